#include "canvas/CanvasView.h"

#include "canvas/Composition.h"
#include "canvas/Selection.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <array>
#include <cmath>

namespace morvane {

namespace {

// Layers scaled larger than this (in pixels) are not cached: they are drawn
// from the source with the painter's scaling, over the visible part only.
constexpr qint64 kMaxCachedPixels = qint64(4096) * 4096;

// The selection outline's dashes move one step this often.
constexpr int kOutlineStepMs = 120;
constexpr int kOutlineDash = 4;

struct LayerCache {
    qint64 sourceKey = 0;
    QSize shown;
    double zoom = 0;
    QSize scaledSize;  // the size the layer covers on screen
    bool direct = false;    // too large to cache: draw `image` with a scale
    bool useSource = false; // already the right size and format: draw the layer itself
    DisplayTone tone;
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
    std::array<DisplayTone, 2> tones;
    QImage background; // the gradient at the widget's size
    QString hint;
    QPoint hintAt;
    bool outlineShown = true;
    int outlinePhase = 0;
    QTimer outlineTimer;
};

CanvasView::CanvasView(Composition& composition, QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<State>())
    , m_composition(composition)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_composition, &Composition::changed, this, qOverload<>(&QWidget::update));
    d->outlineTimer.setInterval(kOutlineStepMs);
    connect(&d->outlineTimer, &QTimer::timeout, this, &CanvasView::advanceOutline);
    d->outlineTimer.start();
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

void CanvasView::zoomAt(const QPointF& photoPoint, double percent, bool centred)
{
    if (!(percent > 0) || !std::isfinite(percent))
        return;
    const QPointF screen = centred ? QPointF(width() / 2.0, height() / 2.0)
                                   : photoToView(photoPoint);
    d->origin = photoPoint - screen * (100.0 / percent);
    setZoom(percent);
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

QTransform CanvasView::layerToView(int index) const
{
    const Layer& layer = m_composition.layer(index);
    const QSize shown = layer.shownSize();
    const double f = d->zoom / 100.0;
    const double sx = layer.image.width() > 0 ? double(shown.width()) / layer.image.width() : 1.0;
    const double sy = layer.image.height() > 0 ? double(shown.height()) / layer.image.height() : 1.0;
    const QPointF at = photoToView(QPointF(layer.position));
    return QTransform(sx * f, 0, 0, sy * f, at.x(), at.y());
}

void CanvasView::setHint(const QString& text, const QPoint& viewPoint)
{
    if (text == d->hint && viewPoint == d->hintAt)
        return;
    d->hint = text;
    d->hintAt = viewPoint;
    update();
}

QString CanvasView::hint() const { return d->hint; }

void CanvasView::setSelectionOutlineShown(bool shown)
{
    if (shown == d->outlineShown)
        return;
    d->outlineShown = shown;
    update();
}

bool CanvasView::selectionOutlineShown() const { return d->outlineShown; }

void CanvasView::advanceOutline()
{
    const Selection& selection = m_composition.selection();
    if (!d->outlineShown || !selection.hasArea() || !isVisible())
        return;
    d->outlinePhase = (d->outlinePhase + 1) % (2 * kOutlineDash);
    if (selection.layer() >= m_composition.layerCount())
        return;
    const QRect bounds = layerToView(selection.layer())
                             .mapRect(QRectF(selection.bounds().adjusted(0, 0, 1, 1)))
                             .toAlignedRect();
    update(bounds.adjusted(-2, -2, 2, 2));
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
    paintSelection(painter);
    paintHint(painter);
    painter.restore();
}

void CanvasView::setDisplayTone(int index, const DisplayTone& tone)
{
    if (index < 0 || index > 1 || d->tones[size_t(index)] == tone)
        return;
    d->tones[size_t(index)] = tone;
    update();
}

DisplayTone CanvasView::displayTone(int index) const
{
    return index >= 0 && index <= 1 ? d->tones[size_t(index)] : DisplayTone{};
}

void CanvasView::refreshLayerCache(int index)
{
    const Layer& layer = m_composition.layer(index);
    const QSize shown = layer.shownSize();
    LayerCache& cache = d->caches[size_t(index)];
    const DisplayTone& tone = d->tones[size_t(index)];
    if (cache.sourceKey == layer.image.cacheKey() && cache.shown == shown && cache.zoom == d->zoom
        && cache.tone == tone)
        return;
    cache.tone = tone;
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
    cache.useSource = tone.isNeutral() && cache.scaledSize == layer.image.size()
        && layer.image.format() == format;
    if (cache.useSource)
        cache.image = QImage();
    else if (cache.direct || cache.scaledSize == layer.image.size())
        cache.image = applyDisplayTone(layer.image, tone).convertToFormat(format);
    else
        cache.image = applyDisplayTone(layer.image.scaled(cache.scaledSize, Qt::IgnoreAspectRatio,
                                                          Qt::SmoothTransformation),
                                       tone)
                          .convertToFormat(format);
}

void CanvasView::paintLayer(QPainter& painter, int index)
{
    const Layer& layer = m_composition.layer(index);
    if (layer.image.isNull() || layer.shownSize().isEmpty())
        return;
    refreshLayerCache(index);
    const LayerCache& cache = d->caches[size_t(index)];

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

void CanvasView::paintSelection(QPainter& painter)
{
    const Selection& selection = m_composition.selection();
    if (!d->outlineShown || selection.isEmpty() || selection.layer() >= m_composition.layerCount())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(layerToView(selection.layer()), true);
    QPen dark(Qt::black, 0);
    QPen dash(Qt::white, 0, Qt::CustomDashLine);
    dash.setDashPattern({double(kOutlineDash), double(kOutlineDash)});
    dash.setDashOffset(d->outlinePhase);
    for (const QPen& pen : {dark, dash}) {
        painter.setPen(pen);
        if (selection.lassoInProgress())
            painter.drawPolyline(selection.lassoPoints());
        else
            painter.drawLines(selection.outline());
    }
    painter.restore();
}

void CanvasView::paintHint(QPainter& painter)
{
    if (d->hint.isEmpty())
        return;
    painter.save();
    const QFontMetrics metrics(font());
    QRect box = metrics.boundingRect(d->hint).adjusted(-4, -2, 4, 2);
    box.moveTopLeft(d->hintAt + QPoint(16, 16));
    // Kept inside the view near its right and bottom edges.
    if (box.right() >= width())
        box.moveRight(d->hintAt.x() - 4);
    if (box.bottom() >= height())
        box.moveBottom(d->hintAt.y() - 4);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.setBrush(QColor(0xFF, 0xFF, 0xE1));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, d->hint);
    painter.restore();
}

} // namespace morvane
