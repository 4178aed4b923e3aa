#include "imaging/ImageOps.h"

#include <algorithm>

namespace morvane::imaging {

QImage mirrorHorizontal(const QImage& image)
{
    if (image.isNull())
        return QImage();
    return image.mirrored(true, false);
}

QImage crop(const QImage& image, const QRect& rect)
{
    const QRect clipped = rect.intersected(image.rect());
    if (image.isNull() || clipped.isEmpty())
        return QImage();
    if (clipped == image.rect())
        return image;
    return image.copy(clipped);
}

namespace {

inline bool opaqueAt(const QRgb* line, int x) { return qAlpha(line[x]) != 0; }

} // namespace

QRect opaqueBounds(const QImage& image)
{
    if (image.isNull())
        return QRect();
    if (!image.hasAlphaChannel())
        return image.rect();

    QImage argb = image;
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        argb = image.convertToFormat(QImage::Format_ARGB32);

    const int width = argb.width();
    const int height = argb.height();
    auto line = [&](int y) { return reinterpret_cast<const QRgb*>(argb.constScanLine(y)); };
    auto rowHasOpaque = [&](int y) {
        const QRgb* l = line(y);
        return std::any_of(l, l + width, [](QRgb p) { return qAlpha(p) != 0; });
    };

    int top = 0;
    while (top < height && !rowHasOpaque(top))
        ++top;
    if (top == height)
        return QRect();
    int bottom = height - 1;
    while (bottom > top && !rowHasOpaque(bottom))
        --bottom;

    // Columns: each row only needs looking at outside the span found so far.
    int left = width;
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const QRgb* l = line(y);
        for (int x = 0; x < left; ++x) {
            if (opaqueAt(l, x)) {
                left = x;
                break;
            }
        }
        for (int x = width - 1; x > right; --x) {
            if (opaqueAt(l, x)) {
                right = x;
                break;
            }
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage trimTransparent(const QImage& image)
{
    const QRect bounds = opaqueBounds(image);
    if (bounds.isEmpty())
        return QImage();
    return crop(image, bounds);
}

QSize fitToWidth(QSize imageSize, int maxWidth)
{
    if (imageSize.isEmpty())
        return imageSize;
    maxWidth = std::max(maxWidth, 1);
    if (imageSize.width() <= maxWidth)
        return imageSize;
    const long long w = imageSize.width();
    const long long h = imageSize.height();
    const long long height = (2 * h * maxWidth + w) / (2 * w);
    return QSize(maxWidth, static_cast<int>(std::max(height, 1LL)));
}

} // namespace morvane::imaging
