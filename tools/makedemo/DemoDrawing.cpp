#include "DemoDrawing.h"

#include "DemoRandom.h"

#include <algorithm>
#include <vector>

namespace morvane::demo {

QColor mixColour(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(std::clamp(alpha, 0, 255));
    return colour;
}

QColor scaled(const QColor& colour, double factor)
{
    auto channel = [factor](int v) { return std::clamp(int(v * factor + 0.5), 0, 255); };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()),
                  colour.alpha());
}

namespace {

void catmullRomSegment(QPainterPath& path, const QPointF& p0, const QPointF& p1,
                       const QPointF& p2, const QPointF& p3)
{
    const QPointF c1 = p1 + (p2 - p0) / 6.0;
    const QPointF c2 = p2 - (p3 - p1) / 6.0;
    path.cubicTo(c1, c2, p2);
}

} // namespace

QPainterPath smoothClosedPath(const QVector<QPointF>& points)
{
    QPainterPath path;
    const int n = int(points.size());
    if (n < 3)
        return path;
    path.moveTo(points[0]);
    for (int i = 0; i < n; ++i)
        catmullRomSegment(path, points[(i - 1 + n) % n], points[i], points[(i + 1) % n],
                          points[(i + 2) % n]);
    path.closeSubpath();
    return path;
}

QPainterPath smoothOpenPath(const QVector<QPointF>& points)
{
    QPainterPath path;
    const int n = int(points.size());
    if (n < 2)
        return path;
    path.moveTo(points[0]);
    for (int i = 0; i + 1 < n; ++i) {
        const QPointF p0 = i > 0 ? points[i - 1] : points[i];
        const QPointF p3 = i + 2 < n ? points[i + 2] : points[i + 1];
        catmullRomSegment(path, p0, points[i], points[i + 1], p3);
    }
    return path;
}

void blurAlpha(QImage& image, int radius, int passes)
{
    if (radius <= 0 || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();
    std::vector<int> alpha(std::size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[std::size_t(y) * w + x] = qAlpha(row[x]);
    }
    std::vector<int> line(std::size_t(std::max(w, h)));
    const int window = 2 * radius + 1;
    auto blurLine = [&](int* data, int count, int stride) {
        for (int i = 0; i < count; ++i)
            line[i] = data[std::size_t(i) * stride];
        int sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += line[std::clamp(i, 0, count - 1)];
        for (int i = 0; i < count; ++i) {
            data[std::size_t(i) * stride] = sum / window;
            sum += line[std::min(i + radius + 1, count - 1)] - line[std::max(i - radius, 0)];
        }
    };
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < h; ++y)
            blurLine(alpha.data() + std::size_t(y) * w, w, 1);
        for (int x = 0; x < w; ++x)
            blurLine(alpha.data() + x, h, w);
    }
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = qRgba(0, 0, 0, alpha[std::size_t(y) * w + x]);
    }
}

void addGrain(QImage& image, int amplitude, quint64 seed)
{
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    std::uint64_t state = DemoRandom(seed).next() | 1;
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            const int n = int((state >> 24) % unsigned(2 * amplitude + 1)) - amplitude;
            const QRgb p = row[x];
            row[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                          std::clamp(qBlue(p) + n, 0, 255));
        }
    }
}

} // namespace morvane::demo
