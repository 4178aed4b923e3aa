#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "canvas/Selection.h"

#include <vector>

namespace morvane {

// One layer of the canvas: the photo (index 0) or the hairstyle (index 1).
struct Layer {
    QImage image;         // photo: Format_RGB32; hair: Format_ARGB32 (not premultiplied)
    QPoint position;      // top-left corner, in photo pixels
    int shownWidth = 0;   // size the image is stretched to; 0 = the image's own
    int shownHeight = 0;
    bool visible = true;
    bool frame = true;    // draw the frame with resize grips
    bool locked = false;  // the mouse can neither move nor resize it

    QSize shownSize() const;
    QRect shownRect() const; // position and shown size
};

// The canvas's layer model: the photo layer alone (no photo placed yet) or
// the photo and the hair layer. Holding two layers is the program-wide test
// that a composition exists.
class Composition : public QObject {
    Q_OBJECT
public:
    static constexpr int kPhotoLayer = 0;
    static constexpr int kHairLayer = 1;

    explicit Composition(QObject* parent = nullptr);

    int layerCount() const;
    bool hasHairLayer() const { return layerCount() == 2; }

    Layer& layer(int index);
    const Layer& layer(int index) const;
    Layer& photo() { return layer(kPhotoLayer); }
    const Layer& photo() const { return layer(kPhotoLayer); }
    Layer& hair() { return layer(kHairLayer); }
    const Layer& hair() const { return layer(kHairLayer); }

    int currentLayer() const;
    void setCurrentLayer(int index);

    // Colour of the blank photo layer and of a hair layer just added.
    QColor backgroundColour() const;
    void setBackgroundColour(const QColor& colour);

    // Adds the hair layer (blank, the photo's size, at 0,0) when missing; it becomes current.
    void addHairLayer();
    // Back to the photo layer alone, with default attributes, current.
    void removeHairLayer();

    // Fills the photo layer's image with the background colour, keeping its size.
    void clearPhotoImage();

    // Copies of the layers' images kept as the base of Undo and of recolouring.
    const QImage& photoSnapshot() const { return m_photoSnapshot; }
    void setPhotoSnapshot(const QImage& image) { m_photoSnapshot = image; }
    const QImage& hairSnapshot() const { return m_hairSnapshot; }
    void setHairSnapshot(const QImage& image) { m_hairSnapshot = image; }
    // Snapshot of the given layer's image := a copy of that image.
    void takeSnapshot(int index);
    // The same for the current layer: what code that changes the current
    // layer's image calls first, so that Undo takes the change back.
    void takeCurrentLayerSnapshot() { takeSnapshot(m_current); }
    // Undo: the current layer's image := a copy of its snapshot (nothing
    // when no snapshot was taken). Position and shown size stay.
    void restoreCurrentLayer();

    // The selection on the canvas, in the pixels of the layer it was made on.
    Selection& selection() { return m_selection; }
    const Selection& selection() const { return m_selection; }

    // Hair ratios: the hair layer's shown size divided by the hairstyle
    // image's own size, carried from one hairstyle to the next. Both 0 until
    // set; a ratio of 0 gives a shown size of 0 (the image's own size).
    double hairWidthRatio() const { return m_hairWidthRatio; }
    double hairHeightRatio() const { return m_hairHeightRatio; }
    void setHairRatios(double widthRatio, double heightRatio);
    // Pixel size of the hairstyle image last loaded (0 x 0 before any).
    QSize hairstyleImageSize() const { return m_hairstyleImageSize; }
    void setHairstyleImageSize(const QSize& size) { m_hairstyleImageSize = size; }
    // Shown size for a hairstyle image of the given size at the current
    // ratios, each side rounded to the nearest whole number, halves to even.
    QSize shownSizeForHairstyle(const QSize& imageSize) const;
    // Ratios := hair layer's shown size / hairstyle image size. Does nothing
    // without a hair layer; a side whose hairstyle image size is 0 keeps its ratio.
    void recomputeHairRatios();

    // Tell the views that layers changed (image, attributes, count, current).
    // Structural changes (add/remove hair layer, current layer, background)
    // emit it themselves; edits made through layer() need this call.
    void notifyChanged();

signals:
    void changed();

private:
    std::vector<Layer> m_layers;
    int m_current = kPhotoLayer;
    QColor m_background;
    QImage m_photoSnapshot;
    QImage m_hairSnapshot;
    Selection m_selection;
    double m_hairWidthRatio = 0.0;
    double m_hairHeightRatio = 0.0;
    QSize m_hairstyleImageSize{0, 0};
};

} // namespace morvane
