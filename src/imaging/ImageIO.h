#pragma once

#include "imaging/JpegCodec.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace morvane::imaging {

enum class ImageFormat { Unknown, Png, Jpeg, Bmp, Gif, Tiff, Ico };

// The registry of formats by file extension (letter case ignored).
ImageFormat formatForPath(const QString& path);
bool hasRegisteredExtension(const QString& path);
// Extensions of the registered formats, lower case, without the dot.
QStringList registeredExtensions();

// The format the content itself has, judged from its leading bytes.
ImageFormat formatOfContent(const QByteArray& head);

// Full verification: the file's content is of the format registered for its
// extension (a JPEG named photo.jpg, not a PNG renamed to photo.jpg). Never throws.
// Its header must parse and declare a size inside ImageLimits.h.
bool verifyFormat(const QString& path);

struct ReadOptions {
    int minSide = 0; // > 0: reduced-size decoding for thumbnails (at least this long side)
};

// Reads by the extension's format. PNG, GIF, ICO and TIFF come back as
// Format_ARGB32, JPEG and BMP as Format_RGB32. Throws Error naming the file.
QImage readImage(const QString& path, const ReadOptions& options = {});
// The bytes of an image file, with the checks readImage makes (exists, not a
// folder, not above kMaxImageFileBytes). Throws Error naming the file.
QByteArray readImageFileContent(const QString& path);
QImage decodeImage(const QByteArray& data, ImageFormat format, const QString& name,
                   const ReadOptions& options = {});

struct WriteOptions {
    int jpegQuality = kDefaultJpegQuality;
    int pngCompressionLevel = -1;
    bool pngSingleFilter = false;
};

// Writes by the extension's format through a temporary file renamed into
// place. Throws Error naming the file.
void writeImage(const QString& path, const QImage& image, const WriteOptions& options = {});
// GIF has no writer and is refused. `name` only goes into the error text.
QByteArray encodeImage(const QImage& image, ImageFormat format, const WriteOptions& options = {},
                       const QString& name = {});

} // namespace morvane::imaging
