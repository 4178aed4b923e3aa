#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <Qt>

namespace morvane {

class CanvasView;
class Composition;

// Move mode's own handling of the mouse on the canvas: a press on a grip
// of the current layer's frame resizes that layer (whether or not the
// frame is drawn), a press elsewhere picks the topmost visible layer whose
// pixel under the pointer is not fully transparent and drags it. Locked
// layers are neither moved nor resized. Positions and sizes are whole photo
// pixels; while resizing, the view shows the size beside the pointer.
class LayerInteraction {
public:
    enum Grip { NoGrip, TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };

    LayerInteraction(Composition& composition, CanvasView& view);

    // The grip of the current layer under a widget point.
    Grip gripAt(const QPointF& viewPoint) const;
    // The topmost visible layer with a pixel that is not fully transparent
    // under a widget point; -1 when none.
    int layerAt(const QPointF& viewPoint) const;
    static Qt::CursorShape gripCursor(Grip grip);

    // `keepAspect`: resizing keeps the aspect ratio (as Alt held does).
    void press(const QPointF& viewPoint, bool keepAspect);
    void move(const QPointF& viewPoint, Qt::KeyboardModifiers modifiers);
    void release();
    bool resizing() const { return m_action == Action::Resize; }
    bool dragging() const { return m_action == Action::Move; }

private:
    enum class Action { None, Move, Resize };
    void resizeTo(const QPointF& photoPoint, bool keepAspect);

    Composition& m_composition;
    CanvasView& m_view;
    Action m_action = Action::None;
    Grip m_grip = NoGrip;
    int m_layer = 0;
    bool m_keepAspect = false;
    QPointF m_pressPoint; // in photo pixels
    QRectF m_startRect;   // the layer's position and shown size at the press
};

} // namespace morvane
