#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace morvane::imaging {

inline constexpr int kDefaultJpegQuality = 90;

// Decodes RGB, greyscale and CMYK/YCCK JPEGs to QImage::Format_RGB32.
// With minSide > 0 the decoder uses libjpeg's DCT scaling and picks the
// smallest scale whose result is not below minSide on its longer side
// (used for thumbnails). Throws Error naming `name` on bad data.
QImage decodeJpeg(const QByteArray& data, const QString& name, int minSide = 0);

// The size the header declares, without decoding; throws on bad data.
QSize jpegSize(const QByteArray& data, const QString& name);

QByteArray encodeJpeg(const QImage& image, int quality = kDefaultJpegQuality);

} // namespace morvane::imaging
