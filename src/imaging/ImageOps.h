#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace morvane::imaging {

// Left-right flip. Format, colour table and alpha are kept. Null stays null.
QImage mirrorHorizontal(const QImage& image);

// The part of the image inside rect, with rect first clipped to the image.
// A rect that misses the image (or an empty one) gives a null image.
QImage crop(const QImage& image, const QRect& rect);

// Smallest rectangle holding every pixel whose alpha is not 0. An image
// without an alpha channel is opaque everywhere (its whole rectangle); a null
// or fully transparent image gives an empty QRect.
QRect opaqueBounds(const QImage& image);

// Crops to opaqueBounds(). A fully transparent image gives a null image; an
// image without an alpha channel comes back whole.
QImage trimTransparent(const QImage& image);

// The size an image of imageSize takes to fit maxWidth: when it is wider,
// width maxWidth and the height in proportion, rounded to nearest (halves up)
// and at least 1; otherwise imageSize unchanged. maxWidth below 1 counts as 1;
// an empty imageSize comes back unchanged.
QSize fitToWidth(QSize imageSize, int maxWidth);

} // namespace morvane::imaging
