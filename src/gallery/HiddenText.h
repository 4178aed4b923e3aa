#pragma once

#include <QByteArray>
#include <QImage>

namespace morvane {

// Data hidden in the lowest bits of a picture's colour bytes, as gallery
// pictures carry their placement text.
//
// The stored bytes are an 8-byte header (four zero bytes, then the data
// length as a 32-bit little-endian number) followed by the data. Each byte
// takes eight consecutive colour bytes, least significant bit first. Colour
// bytes are walked row by row from the top, each pixel's in the order blue,
// green, red (a 24-bit Windows bitmap's memory order, so pictures written by
// earlier installations read back); alpha is never touched.
namespace HiddenText {

// The number of colour bytes of a picture: three per pixel.
qint64 colourByteCount(const QImage& image);

// Hides `data` in `image`, which must be Format_RGB32 or Format_ARGB32 (any
// other format is converted to one of them first). A bit is set by raising
// an even value by 1 and cleared by raising an odd value by 1, except 255,
// which becomes 254. Writing stops at the end of the picture: a picture
// too small keeps only the beginning.
void write(QImage& image, const QByteArray& data);

// The hidden data, or an empty array when the header is not sound (its
// first four bytes are not zero, or the length is not below the number of
// colour bytes). Reads only the whole bytes the picture holds.
QByteArray read(const QImage& image);

} // namespace HiddenText

} // namespace morvane
