#pragma once

#include <QImage>

#include <array>

namespace morvane {

// How a layer is drawn on screen: an offset for each of red, green and blue
// and a contrast, each -255..255. They change only the drawing, never the
// layer's pixels, so copies, saved files, previews and prints do not show them.
struct DisplayTone {
    int red = 0;
    int green = 0;
    int blue = 0;
    int contrast = 0;

    bool isNeutral() const { return red == 0 && green == 0 && blue == 0 && contrast == 0; }
    bool operator==(const DisplayTone&) const = default;
};

// The contrast factor k in 1/65536 steps: 1 + contrast / 10 for a contrast of
// 0 or more, 1 - sqrt(-contrast) / 10 below 0 (negative from -101 on).
int contrastFactor(int contrast);

// What a channel value c is drawn as: clamp(k * (c + offset - 128) + 128),
// the product rounded towards zero.
std::array<uchar, 256> displayToneTable(int offset, int contrast);

// The image as it is drawn with the tone; the alpha channel is kept. A
// neutral tone gives the image itself. Works on RGB32 and ARGB32 (not
// premultiplied) images; other formats are converted to ARGB32.
QImage applyDisplayTone(const QImage& image, const DisplayTone& tone);

// Sharpens red, green and blue with the intensity (1..20; 0 or less does
// nothing): new = clamp(round(old + (old - m) * intensity / 10)), m the mean
// of the pixels at horizontal and vertical offsets of -2, -1, +1 and +2
// (16 pixels, fewer at the edges; the pixel's own row and column are not
// used). Alpha is kept.
void sharpen(QImage& image, int intensity);

// Lays a soft black shadow under the layer: its alpha blurred with radius 2
// and moved down by `offset` pixels shows where the layer is transparent; a
// partly transparent pixel is blended over the shadow by its own alpha. The
// size stays. An image without alpha is returned as it is; offset 0 or less
// does nothing.
QImage addDropShadow(const QImage& image, int offset);

} // namespace morvane
