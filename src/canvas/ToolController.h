#pragma once

#include "canvas/ToolMode.h"

#include <QObject>
#include <QPoint>
#include <QPointF>

#include <memory>

class QCursor;
class QKeyEvent;
class QMouseEvent;

namespace morvane {

class CanvasView;
class Composition;
class EditCommands;
class LayerInteraction;
class MainWindow;
class RetouchHandler;
class ZoomControl;

// The canvas tools: which tool mode is on, how the tool buttons and the
// Retouch menu switch it, and the dispatch of the canvas's mouse and key
// events to the active tool, with the pointer in the current layer's own
// pixels. Move mode's layer moving and resizing, the lasso and the magic
// wand are the canvas's own interaction, run after the tool's press.
class ToolController : public QObject {
    Q_OBJECT
public:
    explicit ToolController(MainWindow& window);
    ~ToolController() override;

    // The tool whose button is down. The eyedropper may be on while lasso
    // mode stays on.
    ToolMode mode() const { return m_mode; }
    bool lassoMode() const;

    // What the retouch tools paint through; none: they paint nothing.
    void setRetouchHandler(RetouchHandler* handler) { m_retouch = handler; }
    RetouchHandler* retouchHandler() const { return m_retouch; }

    // Back to move mode: the program's reset of the canvas tools. Stops the
    // automatic display (moveModeEntered), recomputes the hair ratios and
    // takes the snapshot of the current layer.
    void BT_SCROLLClick();
    // Switches to a tool, by way of move mode first (the eyedropper keeps
    // lasso mode and its selection when lasso mode is on).
    void chooseTool(ToolMode mode);
    // Shows or hides the selection outline; the selection stays.
    void BitBtn2Click();
    // Both layers back to the sizes they were loaded at.
    void BT_ORIGINALClick();

    ZoomControl& zoom() const { return *m_zoom; }
    EditCommands& edit() const { return *m_edit; }

    // A press has started a stroke that the next release ends.
    bool strokeInProgress() const { return m_stroke; }
    // The last press in the pixels of the layer current at that press.
    QPoint lastPressPoint() const { return m_lastPress; }
    // The last press in photo pixels: the centre of the zoom menu commands.
    QPointF lastPressPhotoPoint() const { return m_lastPressPhoto; }
    // Resizing keeps the aspect ratio even without Alt.
    bool keepAspect() const { return m_keepAspect; }
    // The pixel of the current layer's image under a widget point (it may
    // lie outside the image).
    QPoint layerPixelAt(const QPointF& viewPoint) const;

signals:
    // Every switch to move mode.
    void moveModeEntered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Interaction { None, MoveLayers, Lasso, MagicWand };

    void connectCommands();
    void connectTool(const char* button, const char* menuItem, ToolMode mode);
    void pressButton(ToolMode mode);
    void setCanvasCursor(const QCursor& cursor);
    void showColorsPage();
    void pressBaseLock();

    void mousePress(const QMouseEvent& event);
    void mouseMove(const QMouseEvent& event);
    void mouseRelease(const QMouseEvent& event);
    void keyPress(const QKeyEvent& event);
    void toolPress(const QMouseEvent& event, QPoint pixel);
    void viewPress(const QMouseEvent& event);
    void viewMove(const QMouseEvent& event);
    void viewRelease(const QMouseEvent& event);
    QPointF layerPointAt(const QPointF& viewPoint) const;
    bool insideCurrentImage(QPoint pixel) const;

    MainWindow& m_window;
    CanvasView& m_canvas;
    Composition& m_composition;
    std::unique_ptr<LayerInteraction> m_layers;
    ZoomControl* m_zoom = nullptr;
    EditCommands* m_edit = nullptr;
    RetouchHandler* m_retouch = nullptr;
    ToolMode m_mode = MoveTool;
    Interaction m_interaction = Interaction::MoveLayers;
    bool m_keepAspect = false;
    bool m_stroke = false;
    QPoint m_lastPress;
    QPointF m_lastPressPhoto;
};

} // namespace morvane
