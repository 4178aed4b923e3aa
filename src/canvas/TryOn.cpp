#include "canvas/TryOn.h"

#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/WaitCursor.h"
#include "canvas/CanvasView.h"
#include "canvas/Composition.h"
#include "common/Error.h"
#include "imaging/ImageIO.h"
#include "imaging/ImageOps.h"
#include "imaging/JpegCodec.h"
#include "imaging/Resample.h"
#include "library/HairstyleNumbers.h"
#include "library/StylesPage.h"
#include "library/ThumbnailView.h"
#include "platform/Dialogs.h"
#include "sideview/SideViewController.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QToolButton>

namespace morvane {

namespace {

// libjpeg's output size for a scale of n/8: the size times n / 8, rounded up.
int scaledSide(int side, int n)
{
    return int((qint64(side) * n + 7) / 8);
}

// The smallest long side that makes the JPEG decoder pick a scale whose
// width is not below `freeWidth`; 0 (a whole decode) when no smaller scale fits.
int minSideForWidth(QSize source, int freeWidth)
{
    for (int n = 1; n < 8; ++n) {
        if (scaledSide(source.width(), n) >= freeWidth)
            return qMax(scaledSide(source.width(), n), scaledSide(source.height(), n));
    }
    return 0;
}

// The photo layer is opaque: a picture with an alpha channel is laid over
// the canvas background colour.
QImage opaquePhoto(const QImage& image, const QColor& background)
{
    if (!image.hasAlphaChannel())
        return image.format() == QImage::Format_RGB32 ? image
                                                      : image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(background);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    painter.end();
    return opaque;
}

FittedPhoto fitDecoded(QImage decoded, QSize sourceSize, int freeWidth, const QColor& background,
                       int threads)
{
    FittedPhoto photo;
    photo.sourceSize = sourceSize;
    photo.fitted = freeWidth < sourceSize.width();
    if (photo.fitted) {
        const QSize target = imaging::fitToWidth(sourceSize, freeWidth);
        if (decoded.size() != target)
            decoded = imaging::resampleLanczos3(decoded, target, threads);
    }
    photo.image = opaquePhoto(decoded, background);
    return photo;
}

} // namespace

FittedPhoto readFittedPhoto(const QString& path, int freeWidth, const QColor& background,
                            int threads)
{
    freeWidth = qMax(1, freeWidth);
    const imaging::ImageFormat format = imaging::formatForPath(path);
    const QByteArray data = imaging::readImageFileContent(path);
    imaging::ReadOptions options;
    QSize sourceSize;
    if (format == imaging::ImageFormat::Jpeg
        && imaging::formatOfContent(data) == imaging::ImageFormat::Jpeg) {
        sourceSize = imaging::jpegSize(data, path);
        if (freeWidth < sourceSize.width()) {
            const int minSide = minSideForWidth(sourceSize, freeWidth);
            if (minSide > 0
                && imaging::jpegDecodedSize(data, path, minSide).width() >= freeWidth)
                options.minSide = minSide;
        }
    }
    QImage decoded = imaging::decodeImage(data, format, path, options);
    if (!sourceSize.isValid() || options.minSide == 0)
        sourceSize = decoded.size();
    return fitDecoded(std::move(decoded), sourceSize, freeWidth, background, threads);
}

FittedPhoto fitPhoto(const QImage& image, int freeWidth, const QColor& background, int threads)
{
    if (image.isNull())
        throw Error(QStringLiteral("There is no picture to place"));
    return fitDecoded(image, image.size(), qMax(1, freeWidth), background, threads);
}

TryOn::TryOn(MainWindow& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("TryOn"));
    m_photoPathLabel = new QLabel(QStringLiteral("LbFN"), &window);
    m_photoPathLabel->setObjectName(QStringLiteral("LbFN"));
    m_photoPathLabel->hide();
}

QString TryOn::currentPhotoPath() const
{
    return m_photoPathLabel->text();
}

QString TryOn::currentHairstyleNumber() const
{
    return m_hairstyleNumber;
}

QSize TryOn::loadedPhotoSize() const
{
    return m_loadedPhotoSize;
}

int TryOn::freeCanvasWidth() const
{
    return m_window.width() - m_window.pageControl()->width();
}

QStringList TryOn::openPhotoFilters()
{
    return {
        QStringLiteral("All graphics (*.jpg *.jpeg *.gif *.tif *.tiff *.pcx *.png *.bmp *.wmf "
                       "*.emf *.ico *.cur *.avi)"),
        QStringLiteral("JPEG files (*.jpg *.jpeg)"),
        QStringLiteral("GIF files (*.gif)"),
        QStringLiteral("TIFF files (*.tif *.tiff)"),
        QStringLiteral("PCX files (*.pcx)"),
        QStringLiteral("PNG files (*.png)"),
        QStringLiteral("BMP files (*.bmp)"),
        QStringLiteral("WMF files (*.wmf)"),
        QStringLiteral("EMF files (*.emf)"),
        QStringLiteral("ICO files (*.ico)"),
        QStringLiteral("CUR files (*.cur)"),
        QStringLiteral("AVI files (*.avi)"),
    };
}

void TryOn::ApplyHairstyle(const QString& fileName)
{
    if (m_window.state().panelMaximized)
        return;
    Composition& composition = m_window.composition();
    const QString styleGroup = m_window.state().currentStyleGroup;
    QListWidgetItem* typeItem = m_window.hairTypeList()->currentItem();
    const QString hairType = typeItem ? typeItem->text() : QString();

    const QString number = hairstyleNumberOfFileName(QFileInfo(fileName).fileName());
    // Read before anything changes: a file that is missing or cannot be
    // decoded leaves the canvas as it was.
    const QString path =
        resolveIgnoringCase(m_window.paths().hairstyleFile(styleGroup, hairType, number));
    QImage hairstyle = imaging::readImage(path);
    if (hairstyle.format() != QImage::Format_ARGB32)
        hairstyle = hairstyle.convertToFormat(QImage::Format_ARGB32);
    m_hairstyleNumber = number;

    composition.addHairLayer();
    composition.setCurrentLayer(Composition::kHairLayer);
    Layer& hair = composition.hair();
    hair.image = hairstyle;
    composition.setHairstyleImageSize(hairstyle.size());
    const QSize shown = composition.shownSizeForHairstyle(hairstyle.size());
    hair.shownWidth = shown.width();
    hair.shownHeight = shown.height();
    composition.notifyChanged();

    m_window.setWindowTitle(m_window.state().baseCaption + QStringLiteral(" - ") + styleGroup
                            + QStringLiteral(" - ") + hairType + QStringLiteral(": ") + number);

    m_window.sideView().afterHairstyle(styleGroup, hairType, number);

    composition.takeSnapshot(Composition::kHairLayer);
    composition.hair().frame = false;
    composition.notifyChanged();
}

void TryOn::PlacePhoto(PhotoEntry entry, const QString& path, const QImage& image)
{
    Composition& composition = m_window.composition();
    CanvasView* canvas = m_window.canvas();
    const int freeWidth = freeCanvasWidth();

    // Decode first: a photo that cannot be read leaves everything as it was.
    if (entry == PhotoEntry::PhotoPick)
        showWaitCursor();
    FittedPhoto photo;
    try {
        photo = entry == PhotoEntry::Paste
            ? fitPhoto(image, freeWidth, composition.backgroundColour())
            : readFittedPhoto(path, freeWidth, composition.backgroundColour());
    } catch (...) {
        showNormalCursor();
        throw;
    }

    switch (entry) {
    case PhotoEntry::OpenPhoto:
        composition.setHairRatios(1.0, 1.0);
        m_photoPathLabel->setText(path);
        break;
    case PhotoEntry::PhotoPick:
        m_photoPathLabel->setText(path);
        break;
    case PhotoEntry::Paste:
        composition.setHairRatios(1.0, 1.0);
        break;
    }

    if (composition.layerCount() == 1)
        m_window.EnablePhotoTools(true);
    // Back to the photo layer alone with its default attributes, current.
    composition.removeHairLayer();

    Layer& layer = composition.photo();
    layer.image = photo.image;
    layer.shownWidth = photo.image.width();
    composition.notifyChanged();
    if (photo.fitted)
        canvas->fitToView();
    canvas->setViewOrigin(QPointF(0, 0));

    m_loadedPhotoSize = composition.photo().shownSize();
    // Undo on the photo goes back to this photo, never to an earlier client's.
    composition.takeSnapshot(Composition::kPhotoLayer);
    showNormalCursor();

    // With no hairstyle in the list the photo stays alone on the canvas.
    ThumbnailView* hairstyles = m_window.stylesPage()->view();
    // The commands that need a composition follow the canvas, as every
    // activation of the window derives them, also when the hairstyle fails.
    try {
        if (hairstyles->count() > 0)
            ApplyHairstyle(hairstyles->item(0).path);
    } catch (...) {
        m_window.EnablePhotoTools(composition.hasHairLayer());
        throw;
    }
    m_window.EnablePhotoTools(composition.hasHairLayer());

    if (entry != PhotoEntry::PhotoPick)
        switchToMoveMode();
}

void TryOn::openPhoto()
{
    FileRequest request;
    request.caption = m_window.actions().action(QStringLiteral("AbrirFoto1"))->text().remove(
        QLatin1Char('&'));
    request.folder = m_window.paths().photosFolder();
    request.nameFilters = openPhotoFilters();
    request.preview = true;
    const QString path = m_window.dialogs().openFile(&m_window, request);
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).isFile()) {
        m_window.dialogs().message(&m_window, MessageKind::Error, m_window.messageText(1));
        return;
    }
    PlacePhoto(PhotoEntry::OpenPhoto, path);
}

void TryOn::showHairstyle()
{
    Composition& composition = m_window.composition();
    if (!composition.hasHairLayer())
        return;
    composition.photo().locked = true;
    composition.hair().locked = false;
    composition.hair().visible = true;
    composition.setCurrentLayer(Composition::kHairLayer);
    composition.notifyChanged();
    m_window.sideView().showIfWanted();
    switchToMoveMode();
}

void TryOn::hideHairstyle()
{
    Composition& composition = m_window.composition();
    if (!composition.hasHairLayer())
        return;
    composition.hair().visible = false;
    composition.setCurrentLayer(Composition::kPhotoLayer);
    composition.hair().locked = true;
    composition.photo().locked = false;
    composition.selection().clear();
    composition.notifyChanged();
    m_window.sideView().closeWindow();
}

void TryOn::flip()
{
    Composition& composition = m_window.composition();
    if (!composition.hasHairLayer() || composition.currentLayer() != Composition::kHairLayer)
        return;
    showWaitCursor();
    composition.hair().image = imaging::mirrorHorizontal(composition.hair().image);
    composition.takeSnapshot(Composition::kHairLayer);
    composition.notifyChanged();
    showNormalCursor();
}

void TryOn::switchToMoveMode()
{
    if (QToolButton* move = m_window.actions().button(QStringLiteral("BT_SCROLL")))
        move->click();
}

} // namespace morvane
