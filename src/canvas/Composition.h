#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

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

    // Tell the views that layers changed (image, attributes, count, current).
    void notifyChanged();

signals:
    void changed();

private:
    std::vector<Layer> m_layers;
    int m_current = kPhotoLayer;
    QColor m_background;
};

} // namespace morvane
