#include "previews/PreviewRender.h"

#include "canvas/LayerMerge.h"
#include "common/Error.h"
#include "common/SafeFile.h"
#include "imaging/ImageIO.h"
#include "imaging/ImageOps.h"
#include "imaging/PngCodec.h"
#include "imaging/Resample.h"
#include "library/ContentPaths.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QPainter>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <cmath>
#include <exception>

namespace morvane {

namespace {

// Scratch pictures: zlib level 1 with one filter writes several times faster
// than libpng's defaults, for files only a little larger.
const imaging::PngOptions kScratchPng{1, true};

bool fullyOpaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return true;
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

QString errorText(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Error& error) {
        return error.message();
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    }
}

// Runs job(i) for i in [0, count) on `threads` threads and waits for all.
template <typename Job>
void runInParallel(int count, int threads, Job job)
{
    std::vector<int> indexes(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        indexes[static_cast<size_t>(i)] = i;
    QThreadPool pool;
    pool.setMaxThreadCount(qMax(1, threads));
    QtConcurrent::blockingMap(&pool, indexes, [&job](int i) { job(i); });
}

} // namespace

QImage renderPreviewPicture(const Layer& photo, const Layer& hair)
{
    // The usual case: the hair lies within the photo. The picture is then the
    // photo with the hair over it, opaque, already as wide as the photo and
    // with nothing to trim, so it is painted straight onto a copy of the photo.
    const QRect photoRect = photo.shownRect();
    if (photoRect.contains(hair.shownRect()) && photo.image.size() == photo.shownSize()) {
        QImage picture = photo.image.convertToFormat(QImage::Format_RGB32);
        const QImage hairImage = hair.image.convertToFormat(QImage::Format_ARGB32);
        QPainter painter(&picture);
        painter.drawImage(hair.position - photo.position,
                          imaging::resampleLanczos3(hairImage, hair.shownSize()));
        painter.end();
        return picture;
    }

    Composition composition;
    composition.photo() = photo;
    composition.addHairLayer();
    composition.hair() = hair;
    QImage merged = mergeLayers(composition);
    if (merged.isNull())
        return {};

    const int width = photo.shownSize().width();
    if (width > 0 && merged.width() != width) {
        const double height = double(merged.height()) * width / merged.width();
        const QSize target(width, qMax(1, int(std::lround(height))));
        merged = imaging::resampleNearest(merged, target);
    }
    const QRect bounds = imaging::opaqueBounds(merged);
    if (bounds.isEmpty())
        return {};
    return bounds == merged.rect() ? merged : merged.copy(bounds);
}

void writePreviewPicture(const QString& path, QImage picture)
{
    if (picture.isNull())
        throw Error(QStringLiteral("There is no picture to write to %1").arg(path));
    if (picture.format() == QImage::Format_ARGB32 && fullyOpaque(picture))
        picture.reinterpretAsFormat(QImage::Format_RGB32); // same bytes, alpha all 255
    writeFileAtomically(path, imaging::encodePng(picture, kScratchPng, path));
}

void clearPreviewFolder(const ContentPaths& paths)
{
    const QDir folder(paths.previewFolder());
    const QStringList names =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        QFile::remove(folder.filePath(name));
}

HairstylePreviews renderHairstylePreviews(const ContentPaths& paths, const QString& styleGroup,
                                          const QString& hairType, int count,
                                          const Composition& composition, int threads)
{
    HairstylePreviews result;
    if (count <= 0 || !composition.hasHairLayer())
        return result;
    const Layer photo = composition.photo();
    const Layer hairTemplate = composition.hair();
    QDir().mkpath(paths.previewFolder()); // a folder removed by hand is made again

    QMutex mutex;
    std::vector<QString> failures(static_cast<size_t>(count));
    runInParallel(count, threads, [&](int index) {
        const int number = index + 1;
        try {
            const QString file =
                resolveIgnoringCase(paths.hairstyleFile(styleGroup, hairType, number));
            QImage hairstyle = imaging::readImage(file);
            if (hairstyle.format() != QImage::Format_ARGB32)
                hairstyle = hairstyle.convertToFormat(QImage::Format_ARGB32);
            Layer hair = hairTemplate;
            hair.image = hairstyle;
            const QSize shown = composition.shownSizeForHairstyle(hairstyle.size());
            hair.shownWidth = shown.width();
            hair.shownHeight = shown.height();
            writePreviewPicture(paths.previewFile(number), renderPreviewPicture(photo, hair));

            const QMutexLocker lock(&mutex);
            if (number > result.lastNumber) {
                result.lastNumber = number;
                result.lastHairstyle = hairstyle;
            }
        } catch (...) {
            failures[static_cast<size_t>(index)] = QStringLiteral("Hairstyle %1 left out: %2")
                                                       .arg(number)
                                                       .arg(errorText(std::current_exception()));
        }
    });
    for (const QString& failure : failures) {
        if (!failure.isEmpty())
            result.failures.append(failure);
    }
    return result;
}

void renderPreviewSeries(const ContentPaths& paths, const Layer& photo,
                         const std::vector<Layer>& hairs, int threads)
{
    QDir().mkpath(paths.previewFolder());
    std::vector<std::exception_ptr> failures(hairs.size());
    runInParallel(int(hairs.size()), threads, [&](int index) {
        try {
            const Layer& hair = hairs[static_cast<size_t>(index)];
            writePreviewPicture(paths.previewFile(index + 1), renderPreviewPicture(photo, hair));
        } catch (...) {
            failures[static_cast<size_t>(index)] = std::current_exception();
        }
    });
    for (const std::exception_ptr& failure : failures) {
        if (failure)
            std::rethrow_exception(failure);
    }
}

} // namespace morvane
