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
// (used for thumbnails); it never scales up. Throws Error naming `name` on
// bad data.
//
// Truncated data: a full decode (minSide == 0) refuses a file whose data ends
// before the last row of pixels ("the file is truncated"). A reduced-size
// decode accepts it when at least one row was decoded from real data (the
// rest comes out grey, as libjpeg fills it), so a damaged camera file still
// gets a thumbnail; with no row decoded it is refused as well. A missing end
// marker after complete pixel data is accepted in both cases.
QImage decodeJpeg(const QByteArray& data, const QString& name, int minSide = 0);

// The size the header declares, without decoding; throws on bad data. No
// size limit is applied.
QSize jpegSize(const QByteArray& data, const QString& name);

// The size decodeJpeg(data, name, minSide) returns, from the header alone.
QSize jpegDecodedSize(const QByteArray& data, const QString& name, int minSide);

// Encodes as 24-bit colour (any alpha channel is dropped). `name` only goes
// into the error text.
QByteArray encodeJpeg(const QImage& image, int quality = kDefaultJpegQuality,
                      const QString& name = {});

} // namespace morvane::imaging
