#pragma once

#include "canvas/RetouchHandler.h"
#include "colour/Retouch.h"

#include <QPoint>

namespace morvane {

class MainWindow;

// The retouch tools of the canvas: haircut, eyedropper, blur, smudge,
// duplicate and make-up, painting on the current layer's image with the
// line width and make-up intensity of the Colors page.
class ColourRetouch : public RetouchHandler {
public:
    // Blur and smudge spots are painted at this intensity (percent).
    static constexpr int kSoftenIntensity = 15;

    explicit ColourRetouch(MainWindow& window);

    void press(int tool, QPoint layerPixel, Qt::MouseButton button, Qt::KeyboardModifiers) override;
    void move(int tool, QPoint layerPixel, Qt::MouseButtons, Qt::KeyboardModifiers) override;
    void release(int tool, QPoint layerPixel, Qt::MouseButton) override;

    Airbrush& airbrush() { return m_airbrush; }
    QPoint cloneSource() const { return m_cloneSource; }
    QPoint cloneAnchor() const { return m_cloneAnchor; }
    ColourValue penColour() const { return m_penColour; }

private:
    QImage& currentImage();
    int lineWidth() const;
    void haircutStep(QPoint to);
    void softenStep(QPoint at);
    void makeUpStep(QPoint at);
    void pickColourAt(QPoint at);
    void turnSmudgeDirection();

    MainWindow& m_window;
    Airbrush m_airbrush;
    QPoint m_pen;
    int m_penWidth = 1;
    ColourValue m_penColour = 0;
    QPoint m_cloneSource;
    QPoint m_cloneAnchor;
    // The image as the last haircut step left it, every near-white pixel
    // already transparent: the next step needs to look only along its line.
    qint64 m_clearedImageKey = 0;
};

} // namespace morvane
