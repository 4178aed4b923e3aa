#include "canvas/LayerInteraction.h"

#include "canvas/CanvasView.h"
#include "canvas/Composition.h"

#include <array>
#include <cmath>

namespace morvane {

namespace {

// A grip answers a little beyond its drawn square.
constexpr double kGripReach = CanvasView::kGripSize / 2.0 + 1.0;

struct GripPlace {
    LayerInteraction::Grip grip;
    double fx, fy; // place on the frame: 0 left/top, 0.5 middle, 1 right/bottom
};

// Corners first: on a tiny layer they win over the edge middles.
constexpr std::array<GripPlace, 8> kGrips{{
    {LayerInteraction::TopLeft, 0, 0}, {LayerInteraction::TopRight, 1, 0},
    {LayerInteraction::BottomRight, 1, 1}, {LayerInteraction::BottomLeft, 0, 1},
    {LayerInteraction::Top, 0.5, 0}, {LayerInteraction::Right, 1, 0.5},
    {LayerInteraction::Bottom, 0.5, 1}, {LayerInteraction::Left, 0, 0.5},
}};

bool movesLeft(LayerInteraction::Grip g)
{
    return g == LayerInteraction::TopLeft || g == LayerInteraction::Left
        || g == LayerInteraction::BottomLeft;
}
bool movesRight(LayerInteraction::Grip g)
{
    return g == LayerInteraction::TopRight || g == LayerInteraction::Right
        || g == LayerInteraction::BottomRight;
}
bool movesTop(LayerInteraction::Grip g)
{
    return g == LayerInteraction::TopLeft || g == LayerInteraction::Top
        || g == LayerInteraction::TopRight;
}
bool movesBottom(LayerInteraction::Grip g)
{
    return g == LayerInteraction::BottomLeft || g == LayerInteraction::Bottom
        || g == LayerInteraction::BottomRight;
}

int whole(double value)
{
    return int(std::lround(value));
}

} // namespace

LayerInteraction::LayerInteraction(Composition& composition, CanvasView& view)
    : m_composition(composition), m_view(view)
{
}

LayerInteraction::Grip LayerInteraction::gripAt(const QPointF& viewPoint) const
{
    const int current = m_composition.currentLayer();
    if (current >= m_composition.layerCount() || !m_composition.layer(current).visible)
        return NoGrip;
    // Where the frame is drawn: the layer's rectangle in whole screen pixels.
    const QRectF r = QRectF(m_view.layerScreenRect(current));
    for (const GripPlace& place : kGrips) {
        const QPointF centre(r.left() + place.fx * r.width(), r.top() + place.fy * r.height());
        if (std::abs(viewPoint.x() - centre.x()) <= kGripReach
            && std::abs(viewPoint.y() - centre.y()) <= kGripReach)
            return place.grip;
    }
    return NoGrip;
}

int LayerInteraction::layerAt(const QPointF& viewPoint) const
{
    const QPointF photo = m_view.viewToPhoto(viewPoint);
    for (int i = m_composition.layerCount() - 1; i >= 0; --i) {
        const Layer& layer = m_composition.layer(i);
        const QSize shown = layer.shownSize();
        if (!layer.visible || layer.image.isNull() || shown.isEmpty())
            continue;
        const QPointF local = photo - QPointF(layer.position);
        if (local.x() < 0 || local.y() < 0 || local.x() >= shown.width()
            || local.y() >= shown.height())
            continue;
        const int x = std::min(layer.image.width() - 1,
                               int(local.x() * layer.image.width() / shown.width()));
        const int y = std::min(layer.image.height() - 1,
                               int(local.y() * layer.image.height() / shown.height()));
        if (layer.image.hasAlphaChannel() && qAlpha(layer.image.pixel(x, y)) == 0)
            continue; // seen through: the layer below is under the pointer
        return i;
    }
    return -1;
}

Qt::CursorShape LayerInteraction::gripCursor(Grip grip)
{
    switch (grip) {
    case TopLeft:
    case BottomRight: return Qt::SizeFDiagCursor;
    case TopRight:
    case BottomLeft: return Qt::SizeBDiagCursor;
    case Top:
    case Bottom: return Qt::SizeVerCursor;
    case Left:
    case Right: return Qt::SizeHorCursor;
    case NoGrip: break;
    }
    return Qt::OpenHandCursor;
}

void LayerInteraction::press(const QPointF& viewPoint, bool keepAspect)
{
    m_action = Action::None;
    m_pressPoint = m_view.viewToPhoto(viewPoint);
    m_keepAspect = keepAspect;

    const Grip grip = gripAt(viewPoint);
    if (grip != NoGrip) {
        m_layer = m_composition.currentLayer();
        if (m_composition.layer(m_layer).locked)
            return;
        m_grip = grip;
        m_action = Action::Resize;
        m_startRect = QRectF(m_composition.layer(m_layer).shownRect());
        return;
    }
    const int picked = layerAt(viewPoint);
    if (picked < 0)
        return;
    m_composition.setCurrentLayer(picked);
    m_layer = picked;
    if (m_composition.layer(picked).locked)
        return;
    m_action = Action::Move;
    m_startRect = QRectF(m_composition.layer(picked).shownRect());
}

void LayerInteraction::move(const QPointF& viewPoint, Qt::KeyboardModifiers modifiers)
{
    if (m_action == Action::None || m_layer >= m_composition.layerCount())
        return;
    const QPointF photo = m_view.viewToPhoto(viewPoint);
    if (m_action == Action::Move) {
        const QPointF delta = photo - m_pressPoint;
        Layer& layer = m_composition.layer(m_layer);
        const QPoint position(whole(m_startRect.left() + delta.x()),
                              whole(m_startRect.top() + delta.y()));
        if (position != layer.position) {
            layer.position = position;
            m_composition.notifyChanged();
        }
        return;
    }
    resizeTo(photo, m_keepAspect || modifiers.testFlag(Qt::AltModifier));
    const Layer& layer = m_composition.layer(m_layer);
    m_view.setHint(QStringLiteral("%1 x %2").arg(layer.shownSize().width()).arg(
                       layer.shownSize().height()),
                   viewPoint.toPoint());
}

void LayerInteraction::resizeTo(const QPointF& photoPoint, bool keepAspect)
{
    const QPointF delta = photoPoint - m_pressPoint;
    const QRectF start = m_startRect;
    double width = start.width(), height = start.height();
    if (movesLeft(m_grip))
        width -= delta.x();
    if (movesRight(m_grip))
        width += delta.x();
    if (movesTop(m_grip))
        height -= delta.y();
    if (movesBottom(m_grip))
        height += delta.y();
    width = std::max(1.0, width);
    height = std::max(1.0, height);

    if (keepAspect && start.width() > 0 && start.height() > 0) {
        const double sx = width / start.width(), sy = height / start.height();
        const bool horizontal = movesLeft(m_grip) || movesRight(m_grip);
        const bool vertical = movesTop(m_grip) || movesBottom(m_grip);
        // A corner follows the side the pointer changed most; an edge grip
        // drives the other side along.
        const double scale = horizontal && vertical
            ? (std::abs(sx - 1) >= std::abs(sy - 1) ? sx : sy)
            : (horizontal ? sx : sy);
        width = std::max(1.0, start.width() * scale);
        height = std::max(1.0, start.height() * scale);
    }

    Layer& layer = m_composition.layer(m_layer);
    const int w = std::max(1, whole(width)), h = std::max(1, whole(height));
    // The grip's opposite edges stay where they were.
    const int left = movesLeft(m_grip) ? whole(start.right() - w) : whole(start.left());
    const int top = movesTop(m_grip) ? whole(start.bottom() - h) : whole(start.top());
    if (layer.shownWidth == w && layer.shownHeight == h && layer.position == QPoint(left, top))
        return;
    layer.shownWidth = w;
    layer.shownHeight = h;
    layer.position = QPoint(left, top);
    m_composition.notifyChanged();
}

void LayerInteraction::release()
{
    m_action = Action::None;
    m_grip = NoGrip;
    m_view.setHint(QString());
}

} // namespace morvane
