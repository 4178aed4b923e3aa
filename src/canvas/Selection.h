#pragma once

#include <QImage>
#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QRect>

namespace morvane {

// The canvas selection: an area of one layer's image in that layer's own
// pixels, kept as a mask (255 selected, 0 not) of the image's size, with
// its outline for drawing. While a lasso is being drawn its points are kept
// too; the mask comes when the lasso is closed.
class Selection {
public:
    // No area selected and no lasso being drawn.
    bool isEmpty() const { return m_mask.isNull() && !m_lassoInProgress; }
    // An area is selected.
    bool hasArea() const { return !m_mask.isNull(); }
    int layer() const { return m_layer; }
    const QImage& mask() const { return m_mask; } // Format_Grayscale8
    QRect bounds() const { return m_bounds; }     // of the selected pixels
    bool contains(QPoint pixel) const;
    // The outline in layer pixels: the closed lasso, or the edges between
    // selected and unselected pixels of a magic-wand area.
    const QList<QLineF>& outline() const { return m_outline; }

    void clear();

    void beginLasso(int layer, const QPointF& point);
    void extendLasso(const QPointF& point);
    bool lassoInProgress() const { return m_lassoInProgress; }
    const QPolygonF& lassoPoints() const { return m_lasso; }
    // Closes the lasso and selects the pixels whose centres it encloses in
    // an image of `imageSize`. A lasso that encloses no pixel (a click)
    // leaves nothing selected.
    void finishLasso(const QSize& imageSize);

    // Selects the pixels of `mask` that are not 0 (a mask of the layer
    // image's size); an empty mask leaves nothing selected.
    void selectMask(int layer, const QImage& mask);

private:
    void takeMask(int layer, QImage mask, QList<QLineF> outline);

    int m_layer = 0;
    QImage m_mask;
    QRect m_bounds;
    QList<QLineF> m_outline;
    QPolygonF m_lasso;
    bool m_lassoInProgress = false;
};

// The edges between selected (not 0) and unselected pixels of a
// Format_Grayscale8 mask, joined into runs; the image border counts as
// unselected.
QList<QLineF> maskOutline(const QImage& mask);

// Turns the selected pixels of `image` white (255 added to red, green and
// blue, each clamped), or the whole image when nothing is selected. Alpha is
// kept. Pixels of a mask of another size than the image are taken where
// both overlap.
void whitenSelection(QImage& image, const Selection& selection);

// The selected part of `image`: its selection bounds, with the pixels
// outside the selection fully transparent. Format_ARGB32. Nothing selected:
// a null image.
QImage selectedPart(const QImage& image, const Selection& selection);

} // namespace morvane
