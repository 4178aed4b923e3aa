#pragma once

#include <QPoint>
#include <Qt>

namespace morvane {

// What a retouch tool does on the canvas events. The tool controller calls
// it with `tool` a ToolMode value and the pointer already converted to the
// current layer's own pixels, always inside that layer's image; the
// handler paints on the current layer. Without a handler, retouch tools
// paint nothing.
class RetouchHandler {
public:
    virtual ~RetouchHandler() = default;
    // A press inside the image, after the snapshot for Undo was taken.
    virtual void press(int tool, QPoint layerPixel, Qt::MouseButton, Qt::KeyboardModifiers) = 0;
    // A move inside the image while a stroke is in progress (smudge: while
    // the left button is held down); `buttons` are those held down.
    virtual void move(int tool, QPoint layerPixel, Qt::MouseButtons, Qt::KeyboardModifiers) = 0;
    // The release that ends a stroke; the point may lie outside the image.
    virtual void release(int tool, QPoint layerPixel, Qt::MouseButton) = 0;
};

} // namespace morvane
