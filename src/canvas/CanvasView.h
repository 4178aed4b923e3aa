#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <memory>

class QPainter;

namespace morvane {

class Composition;

// Draws the composition at the zoom over the canvas's gradient background.
//
// Coordinates: a point of the widget ("view") maps to photo pixels through
// the zoom and the view origin, the photo point shown at the widget's top
// left. Layers are painted from images already scaled to the zoom, rebuilt
// only when a layer's image, shown size or the zoom changes.
class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(Composition& composition, QWidget* parent = nullptr);
    ~CanvasView() override;

    void setGradientColours(const QColor& start, const QColor& end);
    QColor gradientStart() const;
    QColor gradientEnd() const;

    // Zoom in percent; 100 shows one photo pixel per screen pixel. A value
    // not above 0 (or not finite) is ignored.
    double zoom() const;
    void setZoom(double percent);
    // The zoom that shows the whole photo layer inside the view, the photo
    // at the top left.
    void fitToView();

    // The photo point shown at the widget's top-left corner.
    QPointF viewOrigin() const;
    void setViewOrigin(const QPointF& photoPoint);

    QPointF viewToPhoto(const QPointF& viewPoint) const;
    QPointF photoToView(const QPointF& photoPoint) const;
    // A layer's shown rectangle in widget coordinates.
    QRectF layerViewRect(int index) const;
    // The same in whole screen pixels, exactly where the layer is drawn.
    QRect layerScreenRect(int index) const;

    // Side of the square resize grips drawn on a framed layer, in screen pixels.
    static constexpr int kGripSize = 7;

    // Paints the whole view (background, layers, frames) for a widget of
    // the given size; the paint event calls it, and so can a benchmark.
    void paintView(QPainter& painter, const QRect& area);

    QSize sizeHint() const override;

signals:
    void zoomChanged(double percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct State;
    std::unique_ptr<State> d;
    Composition& m_composition;

    void paintLayer(QPainter& painter, int index);
    void paintFrame(QPainter& painter, int index);
};

} // namespace morvane
