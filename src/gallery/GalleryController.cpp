#include "gallery/GalleryController.h"

#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/WaitCursor.h"
#include "canvas/Composition.h"
#include "canvas/LayerMerge.h"
#include "canvas/TryOn.h"
#include "common/Conversions.h"
#include "gallery/GalleryPage.h"
#include "gallery/HiddenText.h"
#include "gallery/LayerFile.h"
#include "gallery/NewFolderDialog.h"
#include "gallery/PlacementText.h"
#include "imaging/ImageIO.h"
#include "library/PhotosPage.h"
#include "library/StylesPage.h"
#include "library/ThumbnailView.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace morvane {

namespace {

constexpr int kNoFolderOpen = 21;
constexpr int kDeleteItemsQuestion = 10;
constexpr int kDeleteAllQuestion = 19;
constexpr int kDeleteFolderQuestion = 20;

QImage opaqueOver(const QImage& picture, const QColor& background)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(background);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    painter.end();
    return opaque;
}

} // namespace

GalleryController::GalleryController(MainWindow& window)
    : QObject(&window), m_window(window), m_page(*window.galleryPage())
{
    setObjectName(QStringLiteral("GalleryController"));
    m_page.setContentPaths(window.paths());
    MainActions& actions = window.actions();

    connectButton("BT_FOLDER", &GalleryController::BT_FOLDERClick);
    connectButton("BT_DELGALLERY", &GalleryController::BT_DELGALLERYClick);
    connectButton("BT_DELDIR", &GalleryController::BT_DELDIRClick);
    // BT_PRINTG prints the gallery sheet, which the printing part connects.
    const std::pair<const char*, const char*> menuClicks[] = {
        {"Createapersonsfolder1", "BT_FOLDER"},
        {"Deletegalleryphotos1", "BT_DELGALLERY"},
        {"Deletegalleryfolder1", "BT_DELDIR"},
    };
    for (const auto& [item, button] : menuClicks) {
        QToolButton* target = m_page.findChild<QToolButton*>(QLatin1String(button));
        connect(actions.action(QLatin1String(item)), &QAction::triggered, target, &QToolButton::click);
    }

    QToolButton* save = actions.button(QStringLiteral("BT_SALVAR"));
    QToolButton* addToGallery = actions.button(QStringLiteral("BT_GALLERY"));
    connect(save, &QToolButton::clicked, this, [this] { runGuarded([this] { BT_SALVARClick(); }); });
    connect(addToGallery, &QToolButton::clicked, this,
            [this] { runGuarded([this] { BT_GALLERYClick(); }); });
    connect(actions.action(QStringLiteral("Salvarcomo1")), &QAction::triggered, save, &QToolButton::click);
    connect(actions.action(QStringLiteral("AddtoGallery1")), &QAction::triggered, addToGallery,
            &QToolButton::click);

    connect(m_page.personList(), &QComboBox::currentIndexChanged, this,
            [this] { runGuarded([this] { cbGalleryChange(); }); });
    connect(m_page.view(), &ThumbnailView::itemPicked, this,
            [this](int index) { runGuarded([this, index] { reopenItem(index); }); });
}

void GalleryController::connectButton(const char* button, void (GalleryController::*handler)())
{
    QToolButton* target = m_page.findChild<QToolButton*>(QLatin1String(button));
    connect(target, &QToolButton::clicked, this,
            [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
}

void GalleryController::runGuarded(const std::function<void()>& handler)
{
    guarded(m_window.dialogs(), &m_window, handler);
}

GalleryFolder GalleryController::openFolder() const
{
    return GalleryFolder(m_window.paths(), m_page.openPerson());
}

void GalleryController::informNoFolderOpen()
{
    m_window.dialogs().message(&m_window, MessageKind::Information, m_window.messageText(kNoFolderOpen));
}

bool GalleryController::savePictureAsItem(const QImage& picture)
{
    const GalleryFolder folder = openFolder();
    if (!folder.isOpen()) {
        informNoFolderOpen();
        return false;
    }
    folder.savePicture(picture, m_page.view()->count());
    RefrescaGaleria(folder.person());
    return true;
}

void GalleryController::RefrescaGaleria(const QString& person)
{
    m_page.refresh(person);
}

void GalleryController::cbGalleryChange()
{
    const QString person = m_page.openPerson();
    if (!person.isEmpty())
        RefrescaGaleria(person);
}

// ---- person folders and items -----------------------------------------------

void GalleryController::BT_FOLDERClick()
{
    NewFolderDialog dialog(m_window.state().portuguese, &m_window);
    m_window.dialogs().exec(dialog);
    m_window.state().folderDialogConfirmed = dialog.confirmed();
    if (!dialog.confirmed())
        return;
    const QString name = dialog.folderName();
    if (GalleryFolder::create(m_window.paths(), name) == GalleryFolder::Creation::AlreadyExists)
        return;
    m_page.addPerson(name);
    m_page.selectPerson(name);
    RefrescaGaleria(name);
}

void GalleryController::BT_DELGALLERYClick()
{
    const QString person = m_page.openPerson();
    if (person.isEmpty()) {
        informNoFolderOpen();
        return;
    }
    const Answer answer =
        m_window.dialogs().message(&m_window, MessageKind::Confirmation,
                                   m_window.messageText(kDeleteItemsQuestion), MessageButtons::YesNo);
    if (answer == Answer::Yes) {
        WaitCursorScope wait;
        ThumbnailView* view = m_page.view();
        QStringList pictures;
        for (int index = 0; index < view->count(); ++index) {
            if (view->isSelected(index))
                pictures.append(view->item(index).path);
        }
        GalleryFolder::deleteItems(pictures);
    }
    RefrescaGaleria(person);
}

void GalleryController::BT_DELDIRClick()
{
    const GalleryFolder folder = openFolder();
    if (!folder.isOpen()) {
        informNoFolderOpen();
        return;
    }
    if (!QFileInfo(folder.path()).isDir())
        return;
    Dialogs& dialogs = m_window.dialogs();
    const QString person = folder.person();
    for (int question : {kDeleteAllQuestion, kDeleteFolderQuestion}) {
        const QString text = m_window.messageText(question) + person + QLatin1Char('?');
        if (dialogs.message(&m_window, MessageKind::Confirmation, text, MessageButtons::YesNo)
            != Answer::Yes)
            return;
    }
    bool removed = false;
    {
        WaitCursorScope wait;
        ThumbnailView* view = m_page.view();
        QStringList pictures;
        for (int index = 0; index < view->count(); ++index)
            pictures.append(view->item(index).path);
        GalleryFolder::deleteItems(pictures);
        view->clear();
        removed = folder.removeFolder();
    }
    if (!removed) {
        dialogs.message(&m_window, MessageKind::Warning, QStringLiteral("Cannot remove directory ") + person);
        return;
    }
    m_page.removePerson(person);
}

// ---- saving ------------------------------------------------------------------

void GalleryController::BT_SALVARClick()
{
    if (m_window.state().galleryMode)
        gallerySave();
    else
        saveAs();
}

void GalleryController::BT_GALLERYClick()
{
    PageControl* pages = m_window.pageControl();
    pages->setCurrentIndex(pages->indexOfSheet(QStringLiteral("TabSheet4")));
    m_window.state().galleryMode = true;
    m_window.actions().button(QStringLiteral("BT_SALVAR"))->click();
}

void GalleryController::gallerySave()
{
    const GalleryFolder folder = openFolder();
    if (!folder.isOpen()) {
        informNoFolderOpen();
        return;
    }
    Composition& composition = m_window.composition();
    const QImage picture = composition.layer(composition.currentLayer()).image.copy();
    Placement placement;
    placement.widthRatio = composition.hairWidthRatio();
    placement.heightRatio = composition.hairHeightRatio();
    placement.hairstyleSize = composition.hairstyleImageSize();
    placement.photoPath = m_window.tryOn().currentPhotoPath();
    m_window.workImage() = picture;
    folder.saveItem(composition, picture, PlacementText::build(placement), m_page.view()->count());

    // The layer file keeps the hairstyle as it was; the canvas hides it when
    // the photo was the layer saved.
    if (composition.hasHairLayer() && composition.currentLayer() == Composition::kPhotoLayer) {
        composition.hair().visible = false;
        composition.notifyChanged();
    }
    m_window.state().galleryMode = false;
    RefrescaGaleria(folder.person());
}

QStringList GalleryController::saveFilters()
{
    return {
        QStringLiteral("JPEG files (*.jpg *.jpeg)"),
        QStringLiteral("PNG files (*.png)"),
        QStringLiteral("BMP files (*.bmp)"),
        QStringLiteral("TIFF files (*.tif *.tiff)"),
    };
}

void GalleryController::saveAs()
{
    SaveRequest request;
    request.caption = m_window.actions().action(QStringLiteral("Salvarcomo1"))->text().remove(QLatin1Char('&'));
    request.folder = m_window.paths().photosFolder();
    request.nameFilters = saveFilters();
    request.defaultSuffix = QStringLiteral("jpg");
    request.jpegQualityOption = true;
    const SaveChoice choice = m_window.dialogs().saveFile(&m_window, request);
    if (choice.path.isEmpty())
        return;

    const Composition& composition = m_window.composition();
    const bool hairShown = composition.hasHairLayer() && composition.hair().visible;
    WaitCursorScope wait;
    QImage picture;
    if (hairShown) {
        m_window.workImage() = mergedCutToPhoto(composition);
        picture = m_window.workImage();
    } else {
        picture = composition.layer(composition.currentLayer()).image;
    }
    imaging::WriteOptions options;
    if (choice.jpegQuality > 0)
        options.jpegQuality = choice.jpegQuality;
    imaging::writeImage(choice.path, picture, options);
    m_window.photosPage()->refresh();
}

// ---- reopening ---------------------------------------------------------------

void GalleryController::reopenItem(int index)
{
    if (m_window.state().panelMaximized)
        return;
    ThumbnailView* view = m_page.view();
    if (index < 0 || index >= view->count())
        return;
    const QString picturePath = view->item(index).path;
    const QString layerPath = resolveIgnoringCase(GalleryFolder::layerFileFor(picturePath));
    if (QFileInfo::exists(layerPath))
        reopenWithLayerFile(picturePath, layerPath);
    else
        reopenAsPhoto(picturePath);
}

void GalleryController::reopenWithLayerFile(const QString& picturePath, const QString& layerPath)
{
    // Both files are read and checked before the canvas changes.
    const LayerFileContent layers = LayerFile::load(layerPath);
    const QImage picture = imaging::readImage(picturePath);

    Composition& composition = m_window.composition();
    LayerFile::apply(layers, composition);
    m_window.EnablePhotoTools(composition.hasHairLayer());
    m_window.workImage() = picture;
    restorePlacement(PlacementText::decode(HiddenText::read(picture)));
}

void GalleryController::restorePlacement(const QString& text)
{
    // Each value is taken as it is read: a value that is not a number ends
    // the reopening there, the later ones keeping what they were.
    Composition& composition = m_window.composition();
    const PlacementText::Fields fields = PlacementText::split(text);
    composition.setHairRatios(PlacementText::ratioFromText(fields.widthRatio),
                              composition.hairHeightRatio());
    composition.setHairRatios(composition.hairWidthRatio(),
                              PlacementText::ratioFromText(fields.heightRatio));
    QSize size = composition.hairstyleImageSize();
    size.setWidth(toInteger(fields.hairstyleWidth));
    composition.setHairstyleImageSize(size);
    size.setHeight(toInteger(fields.hairstyleHeight));
    composition.setHairstyleImageSize(size);
    if (auto* photoPath = m_window.findChild<QLabel*>(QStringLiteral("LbFN")))
        photoPath->setText(fields.photoPath);
}

void GalleryController::reopenAsPhoto(const QString& picturePath)
{
    Composition& composition = m_window.composition();
    const QImage photo = opaqueOver(imaging::readImage(picturePath), composition.backgroundColour());

    m_window.EnablePhotoTools(true);
    composition.removeHairLayer();
    composition.photo().image = photo;
    composition.takeSnapshot(Composition::kPhotoLayer);
    composition.notifyChanged();

    // The hairstyle selected in the list (the first when none is) comes
    // with it, hidden.
    ThumbnailView* hairstyles = m_window.stylesPage()->view();
    const QList<int> selected = hairstyles->selectedIndexes();
    const int pick = selected.isEmpty() ? 0 : selected.constFirst();
    try {
        if (pick < hairstyles->count()) {
            m_window.tryOn().ApplyHairstyle(hairstyles->item(pick).path);
            m_window.tryOn().hideHairstyle();
        }
    } catch (...) {
        m_window.EnablePhotoTools(composition.hasHairLayer());
        throw;
    }
    m_window.EnablePhotoTools(composition.hasHairLayer());
}

} // namespace morvane
