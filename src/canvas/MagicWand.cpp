#include "canvas/MagicWand.h"

#include <cstdlib>
#include <vector>

namespace morvane {

namespace {

struct LikeColour {
    QRgb seed;
    int tolerance;
    bool withAlpha;

    bool operator()(QRgb c) const
    {
        auto near = [this](int a, int b) { return std::abs(a - b) <= tolerance; };
        return near(qRed(c), qRed(seed)) && near(qGreen(c), qGreen(seed))
            && near(qBlue(c), qBlue(seed)) && (!withAlpha || near(qAlpha(c), qAlpha(seed)));
    }
};

} // namespace

QImage magicWandRegion(const QImage& image, QPoint seed, int tolerance)
{
    if (!image.rect().contains(seed))
        return {};
    const bool withAlpha = image.hasAlphaChannel();
    const QImage source = image.convertToFormat(withAlpha ? QImage::Format_ARGB32
                                                          : QImage::Format_RGB32);
    const int w = source.width(), h = source.height();
    auto pixel = [&source](int x, int y) {
        return reinterpret_cast<const QRgb*>(source.constScanLine(y))[x];
    };
    const LikeColour like{pixel(seed.x(), seed.y()), tolerance, withAlpha};

    QImage mask(source.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    auto joins = [&](int x, int y) { return !mask.constScanLine(y)[x] && like(pixel(x, y)); };

    // Scanline fill: each popped seed fills its whole run, then queues one
    // seed per run of joining pixels in the rows above and below.
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!joins(p.x(), p.y()))
            continue;
        int left = p.x(), right = p.x();
        while (left > 0 && joins(left - 1, p.y()))
            --left;
        while (right < w - 1 && joins(right + 1, p.y()))
            ++right;
        uchar* line = mask.scanLine(p.y());
        for (int x = left; x <= right; ++x)
            line[x] = 255;
        for (int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= h)
                continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool j = joins(x, y);
                if (j && !inRun)
                    stack.emplace_back(x, y);
                inRun = j;
            }
        }
    }
    return mask;
}

} // namespace morvane
