#include "gallery/GalleryPage.h"

#include "app/PanelWidgets.h"
#include "app/WaitCursor.h"
#include "gallery/GalleryFolder.h"
#include "imaging/ImageIO.h"
#include "library/ThumbnailLoader.h"
#include "library/ThumbnailView.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace morvane {

namespace {

constexpr int kThumbnailSide = 90;

} // namespace

GalleryPage::GalleryPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    const auto [bar, rows, buttons] = makeTwoRowBar(QStringLiteral("Panel4"), 60, this);
    const QSize size(26, 26);
    QToolButton* newFolder = makePictureButton(QStringLiteral("BT_FOLDER"), QStringLiteral("newfolder"),
                                               QStringLiteral("Create a person's folder"), QSize(64, 26), bar);
    newFolder->setText(QStringLiteral("New"));
    newFolder->setIconSize(QSize(20, 20));
    newFolder->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    buttons->addWidget(newFolder);
    buttons->addWidget(makePictureButton(QStringLiteral("BT_DELGALLERY"), QStringLiteral("deletephotos"),
                                         QStringLiteral("Delete gallery photo(s)"), size, bar));
    buttons->addWidget(makePictureButton(QStringLiteral("BT_DELDIR"), QStringLiteral("deletefolder"),
                                         QStringLiteral("Delete Gallery Folder"), size, bar));
    QToolButton* print = makePictureButton(QStringLiteral("BT_PRINTG"), QStringLiteral("print"),
                                           QString(), QSize(64, 26), bar);
    print->setText(QStringLiteral("Print"));
    print->setIconSize(QSize(20, 20));
    print->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    buttons->addWidget(print);
    buttons->addStretch(1);
    auto* spin = new StepSpinBox(QStringLiteral("jvSpinEdit3"), 0, 500, 185, bar);
    spin->setToolTip(QStringLiteral("Thumbnails Size"));
    spin->hide();
    buttons->addWidget(spin);
    buttons->addWidget(makePictureButton(QStringLiteral("BTMAX3"), QStringLiteral("maximize"),
                                         QStringLiteral("Maximize"), size, bar));
    rows->addLayout(buttons);

    m_persons = new QComboBox(bar);
    m_persons->setObjectName(QStringLiteral("cbGallery"));
    m_persons->setToolTip(QStringLiteral("Open a person's folder"));
    m_persons->setEditable(true);
    m_persons->setInsertPolicy(QComboBox::NoInsert);
    rows->addWidget(m_persons);
    layout->addWidget(bar);

    m_view = new ThumbnailView(this);
    m_view->setObjectName(QStringLiteral("ImageEnMView3"));
    m_view->setImageFrame(false);
    m_view->setSelectionMode(ThumbnailView::Selection::Multiple);
    layout->addWidget(m_view, 1);
}

void GalleryPage::addPerson(const QString& name)
{
    int position = 0;
    while (position < m_persons->count()
           && QString::compare(m_persons->itemText(position), name, Qt::CaseInsensitive) <= 0)
        ++position;
    const QSignalBlocker blocker(m_persons);
    const int current = m_persons->currentIndex();
    m_persons->insertItem(position, name);
    if (current < 0) {
        m_persons->setCurrentIndex(-1);
        m_persons->setEditText(QString());
    }
}

void GalleryPage::fillPersonList(const QString& galleryFolder)
{
    const QDir folder(galleryFolder);
    const QStringList names = folder.entryList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& name : names)
        addPerson(name);
    const QSignalBlocker blocker(m_persons);
    m_persons->setCurrentIndex(-1);
    m_persons->setEditText(QString());
}

QString GalleryPage::openPerson() const
{
    const int current = m_persons->currentIndex();
    return current < 0 ? QString() : m_persons->itemText(current);
}

void GalleryPage::removePerson(const QString& name)
{
    const QSignalBlocker blocker(m_persons);
    const int index = m_persons->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        m_persons->removeItem(index);
    m_persons->setCurrentIndex(-1);
    m_persons->setEditText(QString());
}

void GalleryPage::selectPerson(const QString& name)
{
    const QSignalBlocker blocker(m_persons);
    m_persons->setCurrentIndex(m_persons->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void GalleryPage::refresh(const QString& person)
{
    WaitCursorScope wait;
    m_view->clear();
    if (m_paths && !person.isEmpty()) {
        const GalleryFolder folder(*m_paths, person);
        const int side = qMax(kThumbnailSide, qMax(m_view->cellSize().width(), m_view->cellSize().height()));
        // A file that is not a PNG inside, or does not decode, is not listed.
        std::vector<LoadedThumbnail> loaded =
            loadThumbnails(folder.pictureFiles(), side, 0, &imaging::verifyFormat);
        std::vector<ThumbnailView::Item> items;
        items.reserve(loaded.size());
        for (LoadedThumbnail& picture : loaded) {
            if (picture.image.isNull())
                continue;
            const QString name = QFileInfo(picture.path).fileName();
            QString caption = name.left(name.size() - 4);
            items.push_back({std::move(picture.path), std::move(picture.image), std::move(caption)});
        }
        m_view->setItems(std::move(items));
    }
    // Each item is selected as it is added, so the last one stays selected.
    m_view->clearSelection();
    if (m_view->count() > 0) {
        m_view->setSelected(m_view->count() - 1);
        m_view->scrollToItem(m_view->count() - 1);
    }
    m_view->viewport()->update();
}

} // namespace morvane
