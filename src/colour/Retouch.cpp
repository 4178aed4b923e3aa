#include "colour/Retouch.h"

#include <QPainter>

#include <cstring>
#include <vector>

namespace morvane {

namespace {

constexpr ColourValue kWhite = 16777215;

bool makeThirtyTwoBit(QImage& image)
{
    if (image.isNull())
        return false;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                              : QImage::Format_RGB32);
    return true;
}

} // namespace

void Airbrush::setSize(int size)
{
    if (size >= 1 && size <= kMaxSize)
        m_size = size;
}

void Airbrush::setIntensity(int percent)
{
    if (percent >= 1 && percent <= 100)
        m_intensity = percent;
}

QRect Airbrush::paintSpot(QImage& image, QPoint point) const
{
    if ((m_colour & 0xffffffu) == kWhite || !makeThirtyTwoBit(image))
        return {};
    const int s = m_size;
    const QRect square(point.x() - s / 2, point.y() - s / 2, s, s);
    const QRect area = square & image.rect();
    if (area.isEmpty())
        return {};
    const int i = m_intensity;
    const int keep = 100 - i;
    const QColor spot = toQColor(m_colour);
    const int sr = spot.red() * i, sg = spot.green() * i, sb = spot.blue() * i;
    // The disc inscribed in the square: a pixel belongs to it when its centre
    // lies within the radius (in doubled coordinates, to stay in whole numbers).
    const int cx2 = 2 * square.left() + s;
    const int cy2 = 2 * square.top() + s;
    const int r2 = s * s;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int dy = 2 * y + 1 - cy2;
        for (int x = area.left(); x <= area.right(); ++x) {
            const int dx = 2 * x + 1 - cx2;
            if (dx * dx + dy * dy > r2)
                continue;
            const QRgb p = line[x];
            line[x] = (p & 0xff000000u) | (QRgb((qRed(p) * keep + sr + 50) / 100) << 16)
                | (QRgb((qGreen(p) * keep + sg + 50) / 100) << 8) | QRgb((qBlue(p) * keep + sb + 50) / 100);
        }
    }
    return area;
}

QRect drawWhiteLine(QImage& image, QPoint from, QPoint to, int width)
{
    if (!makeThirtyTwoBit(image))
        return {};
    width = qMax(1, width);
    const int margin = width / 2 + 2;
    const QRect area = QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin)
        & image.rect();
    if (area.isEmpty())
        return {};
    // The line's coverage, drawn without smoothing into a mask of the area.
    QImage mask(area.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(-area.topLeft());
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (from == to)
            painter.drawPoint(from);
        else
            painter.drawLine(from, to);
    }
    for (int y = 0; y < area.height(); ++y) {
        const uchar* m = mask.constScanLine(y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(area.top() + y)) + area.left();
        for (int x = 0; x < area.width(); ++x) {
            if (m[x])
                line[x] |= 0x00ffffffu;
        }
    }
    return area;
}

void clearNearWhite(QImage& image, const QRect& area)
{
    if (image.isNull() || !image.hasAlphaChannel())
        return;
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = line[x];
            if (qRed(p) >= 250 && qGreen(p) >= 250 && qBlue(p) >= 250)
                line[x] = p & 0x00ffffffu;
        }
    }
}

QRect cloneSquare(QImage& image, QPoint at, QPoint offset, int width)
{
    if (width < 1 || !makeThirtyTwoBit(image))
        return {};
    // Both squares clipped to the image, and to each other's clipping.
    QRect target = QRect(at, QSize(width, width)) & image.rect();
    target &= QRect(at + offset, QSize(width, width)).translated(-offset) & image.rect().translated(-offset);
    if (target.isEmpty() || offset == QPoint(0, 0))
        return {};
    // Read the source first: the squares overlap when the offset is small.
    std::vector<QRgb> source(size_t(target.width()) * size_t(target.height()));
    for (int y = 0; y < target.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(target.top() + y + offset.y()));
        std::memcpy(&source[size_t(y) * size_t(target.width())], line + target.left() + offset.x(),
                    size_t(target.width()) * sizeof(QRgb));
    }
    for (int y = 0; y < target.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(target.top() + y)) + target.left();
        const QRgb* src = &source[size_t(y) * size_t(target.width())];
        for (int x = 0; x < target.width(); ++x)
            line[x] = (line[x] & 0xff000000u) | (src[x] & 0x00ffffffu);
    }
    return target;
}

ColourValue pickColour(const QImage& image, QPoint point)
{
    if (!image.valid(point))
        return 0;
    const QRgb p = image.pixel(point);
    return colourValue(qRed(p), qGreen(p), qBlue(p));
}

} // namespace morvane
