#include "canvas/ZoomControl.h"

#include "canvas/CanvasCursors.h"
#include "canvas/CanvasView.h"

#include <QLabel>
#include <QWheelEvent>

#include <cmath>

namespace morvane {

namespace {

constexpr int kNotch = 120; // eighths of a degree in one wheel notch
constexpr double kWheelFraction = 0.08;

} // namespace

ZoomControl::ZoomControl(CanvasView& canvas, QLabel& label, QObject* parent)
    : QObject(parent), m_canvas(canvas), m_label(label)
{
    connect(&m_canvas, &CanvasView::zoomChanged, this, &ZoomControl::updateCaption);
    updateCaption();
}

QString ZoomControl::caption(double zoom)
{
    // nearbyint rounds halves to even in the default rounding mode.
    return QStringLiteral("Zoom: %1%").arg(qint64(std::nearbyint(zoom)));
}

double ZoomControl::wheelStep(double zoom, bool zoomIn)
{
    const double step = std::max(1.0, std::nearbyint(zoom * kWheelFraction));
    return zoomIn ? zoom + step : zoom - step;
}

void ZoomControl::zoomIn(const QPointF& centre)
{
    m_canvas.zoomAt(centre, m_canvas.zoom() + kStep, true);
    showLabel();
    updateCaption();
}

void ZoomControl::zoomOut(const QPointF& centre)
{
    m_canvas.zoomAt(centre, m_canvas.zoom() - kStep, true);
    showLabel();
    updateCaption();
}

void ZoomControl::toolPress(Qt::MouseButton button, const QPointF& photoPoint)
{
    const bool in = button != Qt::RightButton;
    m_canvas.setCursor(in ? zoomInCursor() : zoomOutCursor());
    m_canvas.zoomAt(photoPoint, m_canvas.zoom() + (in ? kStep : -kStep), false);
    updateCaption();
}

void ZoomControl::wheel(QWheelEvent& event)
{
    m_wheelRemainder += event.angleDelta().y();
    const QPointF photoPoint = m_canvas.viewToPhoto(event.position());
    // A notch turned towards the user reports a negative delta.
    while (std::abs(m_wheelRemainder) >= kNotch) {
        const bool in = m_wheelRemainder < 0;
        m_wheelRemainder += in ? kNotch : -kNotch;
        m_canvas.zoomAt(photoPoint, wheelStep(m_canvas.zoom(), in), false);
    }
    event.accept();
}

void ZoomControl::showLabel()
{
    m_label.show();
}

void ZoomControl::hideLabel()
{
    m_label.hide();
}

void ZoomControl::updateCaption()
{
    m_label.setText(caption(m_canvas.zoom()));
}

} // namespace morvane
