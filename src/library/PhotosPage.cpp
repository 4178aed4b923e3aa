#include "library/PhotosPage.h"

#include "app/MainWindow.h"
#include "app/PanelWidgets.h"
#include "app/WaitCursor.h"
#include "imaging/ImageIO.h"
#include "library/DirTreeCombo.h"
#include "library/HairstyleCatalogue.h"
#include "library/HairstyleNumbers.h"
#include "library/ThumbnailLoader.h"
#include "library/ThumbnailView.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"

#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include <vector>

namespace morvane {

namespace {

// The message label holding the delete question.
constexpr int kDeleteQuestion = 6;
// Thumbnails are decoded at least this long on their longer side.
constexpr int kThumbnailSide = 90;


} // namespace

PhotosPage::PhotosPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    const auto [bar, rows, buttons] = makeTwoRowBar(QStringLiteral("Panel1"), 60, this);
    const QSize size(26, 26);
    buttons->addSpacing(4);
    QToolButton* remove = makePictureButton(QStringLiteral("BTDELETE"), QStringLiteral("deletephotos"),
                                            QStringLiteral("Delete Photo(s)"), size, bar);
    buttons->addWidget(remove);
    QToolButton* photos = makePictureButton(QStringLiteral("BT_FOTOSDIR"), QStringLiteral("photosdir"),
                                            QStringLiteral("Open Photos Directory"), size, bar);
    buttons->addWidget(photos);
    m_camera = makePictureButton(QStringLiteral("BT_DCIM"), QStringLiteral("camera"),
                                 QStringLiteral("Open DCIM Directory"), size, bar);
    buttons->addWidget(m_camera);
    m_transfer = makePictureButton(QStringLiteral("BT_TRANSFER"), QStringLiteral("transfer"),
                                   QStringLiteral("Copy photo from camera"), size, bar);
    m_transfer->setEnabled(false); // until a camera folder is opened
    buttons->addWidget(m_transfer);
    buttons->addStretch(1);
    m_sizeSpin = new StepSpinBox(QStringLiteral("jvSpinEdit1"), 0, 500, 185, bar);
    m_sizeSpin->setToolTip(QStringLiteral("Thumbnails Size"));
    m_sizeSpin->hide();
    buttons->addWidget(m_sizeSpin);
    m_maximize = makePictureButton(QStringLiteral("BTMAX1"), QStringLiteral("maximize"),
                                   QStringLiteral("Maximize"), size, bar);
    buttons->addWidget(m_maximize);
    rows->addLayout(buttons);

    m_folderPicker = new DirTreeCombo(bar);
    m_folderPicker->setObjectName(QStringLiteral("LsDirTreeCombo281"));
    rows->addWidget(m_folderPicker);
    layout->addWidget(bar);

    m_view = new ThumbnailView(this);
    m_view->setObjectName(QStringLiteral("ImageEnMView1"));
    m_view->setImageFrame(true);
    m_view->setSelectionMode(ThumbnailView::Selection::Multiple);
    layout->addWidget(m_view, 1);

    connect(m_folderPicker, &DirTreeCombo::pathChanged, this,
            [this] { runGuarded(&PhotosPage::refresh); });
    connect(remove, &QToolButton::clicked, this, [this] { runGuarded(&PhotosPage::deleteSelected); });
    connect(photos, &QToolButton::clicked, this, [this] { runGuarded(&PhotosPage::openPhotosFolder); });
    connect(m_view, &ThumbnailView::itemPicked, this, &PhotosPage::picked);
}

MainWindow* PhotosPage::host() const
{
    return qobject_cast<MainWindow*>(window());
}

void PhotosPage::runGuarded(void (PhotosPage::*handler)())
{
    if (MainWindow* main = host())
        guarded(main->dialogs(), main, [this, handler] { (this->*handler)(); });
    else
        (this->*handler)();
}

bool PhotosPage::openFolder(const QString& folder)
{
    return m_folderPicker->openPath(folder);
}

QString PhotosPage::folder() const
{
    return m_folderPicker->selectedPath();
}

void PhotosPage::refresh()
{
    WaitCursorScope wait;
    m_view->clear();
    const QString folder = this->folder();
    if (!folder.isEmpty()) {
        // The files are verified and decoded in parallel; the list is
        // complete before it is shown. A file that fails either step is
        // simply not listed.
        const int side = qMax(kThumbnailSide, qMax(m_view->cellSize().width(), m_view->cellSize().height()));
        std::vector<LoadedThumbnail> loaded =
            loadThumbnails(listPhotoCandidates(folder), side, 0, &imaging::verifyFormat);
        std::vector<ThumbnailView::Item> items;
        items.reserve(loaded.size());
        for (LoadedThumbnail& photo : loaded) {
            if (photo.image.isNull())
                continue;
            QString caption = hairstyleCaption(QFileInfo(photo.path).fileName());
            items.push_back({std::move(photo.path), std::move(photo.image), std::move(caption)});
        }
        m_view->setItems(std::move(items));
    }
    m_view->clearSelection();
    m_view->viewport()->update();
}

void PhotosPage::deleteSelected()
{
    MainWindow* main = host();
    if (!main)
        return;
    WaitCursorScope wait;
    QStringList files;
    for (int index = 0; index < m_view->count(); ++index) {
        if (m_view->isSelected(index))
            files.append(m_view->item(index).path);
    }
    for (const QString& file : files) {
        const Answer answer = main->dialogs().message(main, MessageKind::Confirmation,
                                                      main->messageText(kDeleteQuestion),
                                                      MessageButtons::YesNo);
        if (answer == Answer::Yes)
            QFile::remove(file); // a failure to delete is not reported
    }
    refresh();
}

void PhotosPage::openPhotosFolder()
{
    MainWindow* main = host();
    if (!main)
        return;
    WaitCursorScope wait;
    // Opening the folder refreshes the list through the picker's change;
    // only when the folder is missing (the picker stays where it was) is
    // the list refreshed here.
    if (!openFolder(main->paths().photosFolder()))
        refresh();
    m_transfer->setEnabled(false);
}

void PhotosPage::picked(int index)
{
    MainWindow* main = host();
    if (main && main->state().panelMaximized)
        return;
    if (index < 0 || index >= m_view->count())
        return;
    emit photoPicked(m_view->item(index).path);
}

} // namespace morvane
