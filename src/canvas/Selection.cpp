#include "canvas/Selection.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace morvane {

namespace {

// Bounds of the pixels that are not 0; empty when there is none.
QRect maskBounds(const QImage& mask)
{
    int left = mask.width(), right = -1, top = mask.height(), bottom = -1;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* line = mask.constScanLine(y);
        const uchar* first = std::find_if(line, line + mask.width(), [](uchar v) { return v; });
        if (first == line + mask.width())
            continue;
        const uchar* last = line + mask.width() - 1;
        while (!*last)
            --last;
        left = std::min(left, int(first - line));
        right = std::max(right, int(last - line));
        top = std::min(top, y);
        bottom = y;
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool selectedAt(const QImage& mask, int x, int y)
{
    return x >= 0 && y >= 0 && x < mask.width() && y < mask.height() && mask.constScanLine(y)[x];
}

} // namespace

bool Selection::contains(QPoint pixel) const
{
    return hasArea() && selectedAt(m_mask, pixel.x(), pixel.y());
}

void Selection::clear()
{
    m_mask = QImage();
    m_bounds = QRect();
    m_outline.clear();
    m_lasso.clear();
    m_lassoInProgress = false;
}

void Selection::beginLasso(int layer, const QPointF& point)
{
    clear();
    m_layer = layer;
    m_lasso.append(point);
    m_lassoInProgress = true;
}

void Selection::extendLasso(const QPointF& point)
{
    if (m_lassoInProgress && (m_lasso.isEmpty() || m_lasso.constLast() != point))
        m_lasso.append(point);
}

void Selection::finishLasso(const QSize& imageSize)
{
    if (!m_lassoInProgress)
        return;
    const QPolygonF lasso = m_lasso;
    m_lassoInProgress = false;
    m_lasso.clear();
    const QRect area = lasso.boundingRect().toAlignedRect().intersected(QRect(QPoint(0, 0), imageSize));
    if (lasso.size() < 3 || area.isEmpty())
        return;

    // Filled without antialiasing, a pixel is painted when its centre lies
    // inside: only the lasso's bounding box is drawn.
    QImage painted(area.size(), QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    QPainter painter(&painted);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(-area.topLeft());
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(lasso);
    path.closeSubpath();
    painter.fillPath(path, Qt::black);
    painter.end();

    QImage mask(imageSize, QImage::Format_Grayscale8);
    mask.fill(0);
    for (int y = 0; y < area.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(painted.constScanLine(y));
        uchar* to = mask.scanLine(area.top() + y) + area.left();
        for (int x = 0; x < area.width(); ++x)
            to[x] = qAlpha(from[x]) >= 128 ? 255 : 0;
    }
    QList<QLineF> outline;
    for (int i = 0; i < lasso.size(); ++i)
        outline.append(QLineF(lasso[i], lasso[(i + 1) % lasso.size()]));
    takeMask(m_layer, std::move(mask), std::move(outline));
}

void Selection::selectMask(int layer, const QImage& mask)
{
    clear();
    QImage own = mask.format() == QImage::Format_Grayscale8
        ? mask.copy() : mask.convertToFormat(QImage::Format_Grayscale8);
    QList<QLineF> outline = maskOutline(own);
    takeMask(layer, std::move(own), std::move(outline));
}

void Selection::takeMask(int layer, QImage mask, QList<QLineF> outline)
{
    const QRect bounds = maskBounds(mask);
    if (bounds.isEmpty())
        return;
    m_layer = layer;
    m_mask = std::move(mask);
    m_bounds = bounds;
    m_outline = std::move(outline);
}

QList<QLineF> maskOutline(const QImage& mask)
{
    QList<QLineF> lines;
    const int w = mask.width(), h = mask.height();
    // Horizontal edges: between row y - 1 and row y, for y = 0 .. h.
    for (int y = 0; y <= h; ++y) {
        int runStart = -1;
        for (int x = 0; x <= w; ++x) {
            const bool edge = x < w && selectedAt(mask, x, y - 1) != selectedAt(mask, x, y);
            if (edge && runStart < 0)
                runStart = x;
            if (!edge && runStart >= 0) {
                lines.append(QLineF(runStart, y, x, y));
                runStart = -1;
            }
        }
    }
    // Vertical edges: between column x - 1 and column x.
    for (int x = 0; x <= w; ++x) {
        int runStart = -1;
        for (int y = 0; y <= h; ++y) {
            const bool edge = y < h && selectedAt(mask, x - 1, y) != selectedAt(mask, x, y);
            if (edge && runStart < 0)
                runStart = y;
            if (!edge && runStart >= 0) {
                lines.append(QLineF(x, runStart, x, y));
                runStart = -1;
            }
        }
    }
    return lines;
}

void whitenSelection(QImage& image, const Selection& selection)
{
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                               : QImage::Format_RGB32);
    const bool all = !selection.hasArea();
    const QRect area = all ? image.rect() : selection.bounds().intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (all || selection.contains(QPoint(x, y)))
                line[x] |= 0x00FFFFFFu; // red, green and blue at 255, alpha kept
        }
    }
}

QImage selectedPart(const QImage& image, const Selection& selection)
{
    const QRect area = selection.hasArea() ? selection.bounds().intersected(image.rect()) : QRect();
    if (area.isEmpty())
        return {};
    QImage part = image.copy(area).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < part.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            if (!selection.contains(area.topLeft() + QPoint(x, y)))
                line[x] = 0;
        }
    }
    return part;
}

} // namespace morvane
