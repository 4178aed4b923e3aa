#include "canvas/CanvasView.h"

#include "canvas/Composition.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

#include <array>
#include <cmath>

namespace morvane {

namespace {

// Layers scaled larger than this (in pixels) are not cached: they are drawn
// from the source with the painter's scaling, over the visible part only.
constexpr qint64 kMaxCachedPixels = qint64(4096) * 4096;

struct LayerCache {
    qint64 sourceKey = 0;
    QSize shown;
    double zoom = 0;
    QSize scaledSize;  // the size the layer covers on screen
    bool direct = false;    // too large to cache: draw `image` with a scale
    bool useSource = false; // already the right size and format: draw the layer itself
    QImage image;           // premultiplied for fast drawing
};

QSize scaledSize(QSize shown, double zoom)
{
    const double f = zoom / 100.0;
    return QSize(std::max(1, int(std::lround(shown.width() * f))),
                 std::max(1, int(std::lround(shown.height() * f))));
}

} // namespace

struct CanvasView::State {
    QColor start{0xAD, 0xD8, 0xE6};
    QColor end{0x42, 0x96, 0xE7};
    double zoom = 100.0;
    QPointF origin{0, 0};
    std::array<LayerCache, 2> caches;
    QImage background; // the gradient at the widget's size
};

CanvasView::CanvasView(Composition& composition, QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<State>())
    , m_composition(composition)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_composition, &Composition::changed, this, qOverload<>(&QWidget::update));
}

CanvasView::~CanvasView() = default;

void CanvasView::setGradientColours(const QColor& start, const QColor& end)
{
    d->start = start;
    d->end = end;
    d->background = QImage();
    update();
}

QColor CanvasView::gradientStart() const { return d->start; }
QColor CanvasView::gradientEnd() const { return d->end; }

double CanvasView::zoom() const { return d->zoom; }

void CanvasView::setZoom(double percent)
{
    if (!(percent > 0) || !std::isfinite(percent) || percent == d->zoom)
        return;
    d->zoom = percent;
    update();
    emit zoomChanged(percent);
}

void CanvasView::fitToView()
{
    const QSize shown = m_composition.photo().shownSize();
    if (shown.isEmpty() || width() <= 0 || height() <= 0)
        return;
    const double fit = std::min(double(width()) / shown.width(),
                                double(height()) / shown.height()) * 100.0;
    d->origin = QPointF(m_composition.photo().position);
    setZoom(fit);
    update();
}

QPointF CanvasView::viewOrigin() const { return d->origin; }

void CanvasView::setViewOrigin(const QPointF& photoPoint)
{
    if (photoPoint == d->origin)
        return;
    d->origin = photoPoint;
    update();
}

QPointF CanvasView::viewToPhoto(const QPointF& viewPoint) const
{
    return viewPoint * (100.0 / d->zoom) + d->origin;
}

QPointF CanvasView::photoToView(const QPointF& photoPoint) const
{
    return (photoPoint - d->origin) * (d->zoom / 100.0);
}

QRectF CanvasView::layerViewRect(int index) const
{
    return QRectF(layerScreenRect(index));
}

QRect CanvasView::layerScreenRect(int index) const
{
    // Whole screen pixels, as the layer is drawn: the top-left corner
    // rounded, the size that of the scaled image.
    const Layer& layer = m_composition.layer(index);
    const QPointF topLeft = photoToView(QPointF(layer.position));
    return QRect(QPoint(int(std::lround(topLeft.x())), int(std::lround(topLeft.y()))),
                 scaledSize(layer.shownSize(), d->zoom));
}

QSize CanvasView::sizeHint() const
{
    return QSize(640, 480);
}

void CanvasView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintView(painter, rect());
}

void CanvasView::resizeEvent(QResizeEvent* event)
{
    d->background = QImage();
    QWidget::resizeEvent(event);
}

void CanvasView::paintView(QPainter& painter, const QRect& area)
{
    if (d->background.size() != area.size()) {
        // Rendered once per size: a full-height gradient blit is far cheaper
        // than shading every pixel on each paint.
        d->background = QImage(area.size(), QImage::Format_RGB32);
        QPainter bg(&d->background);
        QLinearGradient gradient(0, 0, 0, area.height());
        gradient.setColorAt(0, d->start);
        gradient.setColorAt(1, d->end);
        bg.fillRect(d->background.rect(), gradient);
    }
    painter.drawImage(area.topLeft(), d->background);

    painter.save();
    painter.translate(area.topLeft());
    const int count = std::min(m_composition.layerCount(), 2);
    for (int i = count; i < 2; ++i)
        d->caches[size_t(i)] = LayerCache(); // a removed layer's pixels go at once
    for (int i = 0; i < count; ++i) {
        if (m_composition.layer(i).visible)
            paintLayer(painter, i);
    }
    for (int i = 0; i < count; ++i) {
        const Layer& layer = m_composition.layer(i);
        if (layer.visible && layer.frame)
            paintFrame(painter, i);
    }
    painter.restore();
}

void CanvasView::paintLayer(QPainter& painter, int index)
{
    const Layer& layer = m_composition.layer(index);
    if (layer.image.isNull())
        return;
    const QSize shown = layer.shownSize();
    if (shown.isEmpty())
        return;

    LayerCache& cache = d->caches[size_t(index)];
    if (cache.sourceKey != layer.image.cacheKey() || cache.shown != shown || cache.zoom != d->zoom) {
        cache.sourceKey = layer.image.cacheKey();
        cache.shown = shown;
        cache.zoom = d->zoom;
        cache.scaledSize = scaledSize(shown, d->zoom);
        const QImage::Format format = layer.image.hasAlphaChannel()
            ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
        const qint64 pixels = qint64(cache.scaledSize.width()) * cache.scaledSize.height();
        cache.direct = pixels > kMaxCachedPixels;
        // Holding no reference to the layer's own pixels keeps in-place edits
        // of the layer from copying the whole image.
        cache.useSource = cache.scaledSize == layer.image.size() && layer.image.format() == format;
        if (cache.useSource)
            cache.image = QImage();
        else if (cache.direct || cache.scaledSize == layer.image.size())
            cache.image = layer.image.convertToFormat(format);
        else
            cache.image = layer.image.scaled(cache.scaledSize, Qt::IgnoreAspectRatio,
                                             Qt::SmoothTransformation)
                              .convertToFormat(format);
    }

    const QPoint at = layerScreenRect(index).topLeft();
    if (cache.direct) {
        // Magnified far beyond the cache limit: the raster engine scales only
        // the part inside the clip, without smoothing.
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(at, cache.scaledSize), cache.image);
        painter.restore();
    } else {
        painter.drawImage(at, cache.useSource ? layer.image : cache.image);
    }
}

void CanvasView::paintFrame(QPainter& painter, int index)
{
    const QRectF r = layerScreenRect(index);
    const QRectF outline = r.adjusted(0.5, 0.5, -0.5, -0.5);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A dark line with a white dash over it stays visible on any picture.
    painter.setPen(QPen(QColor(0x1F, 0x3A, 0x5F), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outline);
    QPen dash(Qt::white, 1, Qt::CustomDashLine);
    dash.setDashPattern({4, 4});
    painter.setPen(dash);
    painter.drawRect(outline);

    const double half = kGripSize / 2.0;
    const double xs[3] = {r.left(), r.center().x(), r.right()};
    const double ys[3] = {r.top(), r.center().y(), r.bottom()};
    painter.setPen(QPen(QColor(0x1F, 0x3A, 0x5F), 1));
    painter.setBrush(Qt::white);
    for (int ix = 0; ix < 3; ++ix) {
        for (int iy = 0; iy < 3; ++iy) {
            if (ix == 1 && iy == 1)
                continue;
            const QRectF grip(std::floor(xs[ix] - half) + 0.5, std::floor(ys[iy] - half) + 0.5,
                              kGripSize - 1, kGripSize - 1);
            painter.drawRect(grip);
        }
    }
    painter.restore();
}

} // namespace morvane
