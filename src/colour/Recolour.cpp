#include "colour/Recolour.h"

#include "canvas/Composition.h"

#include <array>

namespace morvane {

namespace {

// own * level / 100 + flat * (100 - level) / 100 for every own value, rounded
// to nearest with halves to even, exactly, in whole numbers.
std::array<uchar, 256> mixTable(int flat, int level)
{
    std::array<uchar, 256> table{};
    for (int own = 0; own < 256; ++own) {
        const int numerator = own * level + flat * (100 - level);
        int q = numerator / 100;
        const int r = numerator % 100;
        if (r > 50 || (r == 50 && (q & 1)))
            ++q;
        table[size_t(own)] = uchar(qBound(0, q, 255));
    }
    return table;
}

bool isThirtyTwoBit(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}

} // namespace

QImage mixFlatColour(const QImage& image, ColourValue colour, int level)
{
    if (image.isNull())
        return {};
    level = qBound(0, level, 100);
    QImage out = isThirtyTwoBit(image.format()) ? image.copy()
                                                : image.convertToFormat(QImage::Format_ARGB32);
    const QColor flat = toQColor(colour);
    const auto red = mixTable(flat.red(), level);
    const auto green = mixTable(flat.green(), level);
    const auto blue = mixTable(flat.blue(), level);
    const int width = out.width();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = line[x];
            line[x] = (p & 0xff000000u) | (QRgb(red[qRed(p)]) << 16) | (QRgb(green[qGreen(p)]) << 8)
                | QRgb(blue[qBlue(p)]);
        }
    }
    return out;
}

void pasteMasked(QImage& target, const QImage& patch, QPoint at, const QImage& mask)
{
    if (target.isNull() || patch.isNull() || mask.size() != patch.size())
        return;
    const QRect area = QRect(at, patch.size()) & target.rect();
    if (area.isEmpty())
        return;
    if (!isThirtyTwoBit(target.format()))
        target = target.convertToFormat(QImage::Format_ARGB32);
    const QImage source = patch.convertToFormat(QImage::Format_ARGB32);
    const QImage coverage = mask.format() == QImage::Format_Alpha8
            || mask.format() == QImage::Format_Grayscale8
        ? mask : mask.convertToFormat(QImage::Format_Alpha8);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* dst = reinterpret_cast<QRgb*>(target.scanLine(y));
        const auto* src = reinterpret_cast<const QRgb*>(source.constScanLine(y - at.y()));
        const uchar* m = coverage.constScanLine(y - at.y());
        for (int x = area.left(); x <= area.right(); ++x) {
            const int px = x - at.x();
            if (m[px])
                dst[x] = (dst[x] & 0xff000000u) | (src[px] & 0x00ffffffu);
        }
    }
}

QImage ApplyResultColour(Composition& composition, ColourValue colour, int level,
                         const LassoArea* lasso)
{
    if (!composition.hasHairLayer())
        return {};
    if (!lasso) {
        if (composition.currentLayer() != Composition::kHairLayer)
            return {};
        Layer& hair = composition.hair();
        const QImage& base = composition.hairSnapshot().isNull() ? hair.image
                                                                 : composition.hairSnapshot();
        QImage mixed = mixFlatColour(base, colour, level);
        hair.image = mixed;
        composition.notifyChanged();
        return mixed;
    }

    // The lasso works on the photo: put it back to its snapshot first, then
    // recolour the selected pixels only.
    Layer& photo = composition.photo();
    if (!composition.photoSnapshot().isNull())
        photo.image = composition.photoSnapshot().copy();
    const QRect bounds = lasso->bounds & photo.image.rect();
    if (bounds.isEmpty() || lasso->mask.size() != lasso->bounds.size()) {
        composition.notifyChanged();
        return {};
    }
    const QImage selected = photo.image.copy(bounds);
    QImage mixed = mixFlatColour(selected, colour, level);
    const QImage mask = lasso->mask.copy(bounds.translated(-lasso->bounds.topLeft()));
    pasteMasked(photo.image, mixed, bounds.topLeft(), mask);
    composition.notifyChanged();
    return mixed;
}

} // namespace morvane
