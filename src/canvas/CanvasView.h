#pragma once

#include "colour/ToneAdjust.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QTransform>
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
    // Zoom to `percent` about a photo point: the point stays where it is on
    // the screen, or (centred) comes to the middle of the view. A zoom not
    // above 0 is not applied.
    void zoomAt(const QPointF& photoPoint, double percent, bool centred);

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

    // A short text shown in a box beside the pointer (the size while a
    // layer is resized); an empty text hides it.
    void setHint(const QString& text, const QPoint& viewPoint = {});
    QString hint() const;

    // Whether the outline of the composition's selection is drawn; it
    // moves (marching ants) while shown.
    void setSelectionOutlineShown(bool shown);
    bool selectionOutlineShown() const;
    // Layer pixels of layer `index` to widget coordinates and back.
    QTransform layerToView(int index) const;

    // How layer `index` is drawn on screen: channel offsets and contrast
    // applied to the drawn picture only, never to the layer's pixels.
    void setDisplayTone(int index, const DisplayTone& tone);
    DisplayTone displayTone(int index) const;

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

    // Brings the layer's cached picture (already scaled to the zoom) up to
    // date with its image, shown size and the zoom; only this rebuilds it.
    void refreshLayerCache(int index);
    void paintLayer(QPainter& painter, int index);
    void paintFrame(QPainter& painter, int index);
    void paintSelection(QPainter& painter);
    void paintHint(QPainter& painter);
    void advanceOutline();
};

} // namespace morvane
