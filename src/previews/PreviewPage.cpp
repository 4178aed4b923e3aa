#include "previews/PreviewPage.h"

#include "app/PanelWidgets.h"
#include "app/WaitCursor.h"
#include "canvas/Composition.h"
#include "imaging/ImageIO.h"
#include "library/FolderListing.h"
#include "library/NumberedThumbnails.h"
#include "library/ThumbnailLoader.h"
#include "library/ThumbnailView.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace morvane {

PreviewPage::PreviewPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QFrame* bar = makeBar(QStringLiteral("Panel2"), 60, this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 3, 4, 3);
    row->setSpacing(4);
    auto* labels = new QVBoxLayout;
    m_group = new QLabel(bar);
    m_group->setObjectName(QStringLiteral("DRLabel11"));
    m_type = new QLabel(bar);
    m_type->setObjectName(QStringLiteral("DRLabel9"));
    QFont bold = m_group->font();
    bold.setBold(true);
    m_group->setFont(bold);
    m_type->setFont(bold);
    labels->addWidget(m_group);
    labels->addWidget(m_type);
    row->addLayout(labels, 1);
    QToolButton* print = makePictureButton(QStringLiteral("BT_PRINT"), QStringLiteral("print"),
                                           QStringLiteral("Print Preview"), QSize(76, 30), bar);
    print->setText(QStringLiteral("Print"));
    print->setIconSize(QSize(22, 22));
    print->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    print->setAutoRaise(false);
    row->addWidget(print);
    auto* spin = new StepSpinBox(QStringLiteral("JvSpinEdit4"), 60, 500, 185, bar);
    spin->setToolTip(QStringLiteral("Thumbnails Size when Maximized"));
    spin->hide();
    row->addWidget(spin);
    row->addWidget(makePictureButton(QStringLiteral("BTMAX4"), QStringLiteral("maximize"),
                                     QStringLiteral("Maximize"), QSize(26, 26), bar),
                   0, Qt::AlignTop);
    layout->addWidget(bar);

    m_view = new ThumbnailView(this);
    m_view->setObjectName(QStringLiteral("ImageEnMView4"));
    m_view->setImageFrame(false);
    m_view->setSelectionMode(ThumbnailView::Selection::None);
    layout->addWidget(m_view, 1);
}

void PreviewPage::setSource(const ContentPaths& paths, const Composition& composition)
{
    m_paths = paths;
    m_composition = &composition;
}

void PreviewPage::refresh()
{
    if (!m_paths || !m_composition || m_composition->layerCount() < 2)
        return;
    const WaitCursorScope wait;
    m_view->clear();

    const QString folder = m_paths->previewFolder();
    QStringList files;
    for (const QString& name : listOrdinaryFiles(folder))
        files.append(joinPath(folder, name));
    std::vector<LoadedThumbnail> loaded =
        loadThumbnails(files, m_view->thumbnailSize(), 0,
                       [](const QString& path) { return imaging::verifyFormat(path); });
    showInNumberOrder(*m_view, std::move(loaded));
}

} // namespace morvane
