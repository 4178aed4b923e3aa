#include "library/PhotosPage.h"

#include "app/PanelWidgets.h"
#include "library/ThumbnailView.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace morvane {

PhotosPage::PhotosPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QFrame* bar = makeBar(QStringLiteral("Panel1"), 60, this);
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(6, 3, 4, 3);
    rows->setSpacing(3);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    const QSize size(26, 26);
    buttons->addSpacing(4);
    buttons->addWidget(makePictureButton(QStringLiteral("BTDELETE"), QStringLiteral("deletephotos"),
                                         QStringLiteral("Delete Photo(s)"), size, bar));
    buttons->addWidget(makePictureButton(QStringLiteral("BT_FOTOSDIR"), QStringLiteral("photosdir"),
                                         QStringLiteral("Open Photos Directory"), size, bar));
    buttons->addWidget(makePictureButton(QStringLiteral("BT_DCIM"), QStringLiteral("camera"),
                                         QStringLiteral("Open DCIM Directory"), size, bar));
    buttons->addWidget(makePictureButton(QStringLiteral("BT_TRANSFER"), QStringLiteral("transfer"),
                                         QStringLiteral("Copy photo from camera"), size, bar));
    buttons->addStretch(1);
    auto* spin = new StepSpinBox(QStringLiteral("jvSpinEdit1"), 0, 500, 185, bar);
    spin->setToolTip(QStringLiteral("Thumbnails Size"));
    spin->hide();
    buttons->addWidget(spin);
    buttons->addWidget(makePictureButton(QStringLiteral("BTMAX1"), QStringLiteral("maximize"),
                                         QStringLiteral("Maximize"), size, bar));
    rows->addLayout(buttons);

    m_folderPicker = new QComboBox(bar);
    m_folderPicker->setObjectName(QStringLiteral("LsDirTreeCombo281"));
    m_folderPicker->setEditable(false);
    rows->addWidget(m_folderPicker);
    layout->addWidget(bar);

    m_view = new ThumbnailView(this);
    m_view->setObjectName(QStringLiteral("ImageEnMView1"));
    m_view->setImageFrame(true);
    m_view->setSelectionMode(ThumbnailView::Selection::Multiple);
    layout->addWidget(m_view, 1);
}

void PhotosPage::openFolder(const QString& folder)
{
    if (!QDir(folder).exists())
        return;
    m_folder = QDir::cleanPath(folder);
    m_folderPicker->clear();
    m_folderPicker->addItem(QDir::toNativeSeparators(m_folder), m_folder);
    m_folderPicker->setCurrentIndex(0);
}

QString PhotosPage::folder() const
{
    return m_folder;
}

void PhotosPage::refresh()
{
    // The photo browser fills the list from folder(); until it is in
    // place the list stays empty.
    m_view->clear();
}

} // namespace morvane
