#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <Qt>

class QLabel;
class QWheelEvent;

namespace morvane {

class CanvasView;

// The canvas zoom as the user changes it: the zoom menu commands, the zoom
// tool's presses, the mouse wheel, and the zoom label of the tool bar,
// whose caption follows every change of the view.
class ZoomControl : public QObject {
    Q_OBJECT
public:
    // The zoom step of the menu commands and the zoom tool, in percent.
    static constexpr double kStep = 5.0;

    ZoomControl(CanvasView& canvas, QLabel& label, QObject* parent = nullptr);

    // "Zoom: N%", N the zoom rounded to a whole number, halves to even.
    static QString caption(double zoom);
    // The zoom after one wheel notch: 8 % of the zoom, rounded to a whole
    // number and at least 1, added (in) or taken off (out).
    static double wheelStep(double zoom, bool zoomIn);

    // Zoom In / Zoom Out of the menu: by kStep about `centre` (photo
    // pixels), centred in the view; the label is shown.
    void zoomIn(const QPointF& centre);
    void zoomOut(const QPointF& centre);
    // The zoom tool at a press: left or middle zooms in, right out, the
    // pressed point staying where it is.
    void toolPress(Qt::MouseButton button, const QPointF& photoPoint);
    // The wheel, in any mode: towards the user zooms in, away zooms out,
    // the point under the pointer staying put.
    void wheel(QWheelEvent& event);

    void showLabel();
    void hideLabel();
    void updateCaption();

private:
    CanvasView& m_canvas;
    QLabel& m_label;
    int m_wheelRemainder = 0; // eighths of a degree not yet a whole notch
};

} // namespace morvane
