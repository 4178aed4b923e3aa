#include "canvas/ToolController.h"

#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/WaitCursor.h"
#include "canvas/CanvasCursors.h"
#include "canvas/CanvasView.h"
#include "canvas/Composition.h"
#include "canvas/EditCommands.h"
#include "canvas/LayerInteraction.h"
#include "canvas/MagicWand.h"
#include "canvas/RetouchHandler.h"
#include "canvas/Selection.h"
#include "canvas/TryOn.h"
#include "canvas/ZoomControl.h"
#include "colour/ColorsPage.h"
#include "platform/Guard.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>

namespace morvane {

namespace {

// Cursor slots of the retouch tools.
constexpr int kPenSlot = 2;
constexpr int kSmoothSlot = 4;
constexpr int kCloneSlot = 5;
constexpr int kNorthSlot = 6;
constexpr int kDropSlot = 10;
constexpr int kSpraySlot = 11;

const QString kColorsSheet = QStringLiteral("TabSheet3");

} // namespace

ToolController::ToolController(MainWindow& window)
    : QObject(&window)
    , m_window(window)
    , m_canvas(*window.canvas())
    , m_composition(window.composition())
{
    setObjectName(QStringLiteral("ToolController"));
    m_layers = std::make_unique<LayerInteraction>(m_composition, m_canvas);
    m_zoom = new ZoomControl(m_canvas, *window.actions().zoomLabel(), this);
    m_edit = new EditCommands(window);
    m_canvas.setMouseTracking(true);
    m_canvas.setCursor(Qt::OpenHandCursor);
    m_canvas.installEventFilter(this);
    connectCommands();
}

ToolController::~ToolController() = default;

bool ToolController::lassoMode() const
{
    return m_window.state().lassoMode;
}

void ToolController::connectCommands()
{
    MainActions& a = m_window.actions();
    auto guard = [this](auto handler) {
        return [this, handler] { guarded(m_window.dialogs(), &m_window, handler); };
    };
    connect(a.button(QStringLiteral("BT_SCROLL")), &QToolButton::clicked, this,
            guard([this] { BT_SCROLLClick(); }));
    connectTool("BT_DRAW", "RetoqLapis", HaircutTool);
    connectTool("BT_CONTAGOTAS", "ContaGotas1", EyedropperTool);
    connectTool("BT_BLUR", "Manchar1", BlurTool);
    connectTool("BT_SMUDGE", "RetoqSmudge", SmudgeTool);
    connectTool("BT_CLONE", "RetoqClone", DuplicateTool);
    connect(a.action(QStringLiteral("Maquiagem1")), &QAction::triggered, this,
            guard([this] { chooseTool(MakeUpTool); }));
    connect(a.button(QStringLiteral("BT_SPRAY")), &QToolButton::clicked, this, guard([this] {
                chooseTool(MakeUpTool);
                pressBaseLock();
            }));
    connect(a.button(QStringLiteral("BT_ZOOM")), &QToolButton::clicked, this,
            guard([this] { chooseTool(ZoomTool); }));
    connect(a.button(QStringLiteral("BT_LACO")), &QToolButton::clicked, this,
            guard([this] { chooseTool(LassoTool); }));

    connect(a.action(QStringLiteral("ZoomIn1")), &QAction::triggered, this,
            guard([this] { m_zoom->zoomIn(m_lastPressPhoto); }));
    connect(a.action(QStringLiteral("ZoomOut1")), &QAction::triggered, this,
            guard([this] { m_zoom->zoomOut(m_lastPressPhoto); }));
    connect(a.button(QStringLiteral("BT_ORIGINAL")), &QToolButton::clicked, this,
            guard([this] { BT_ORIGINALClick(); }));
    connect(a.action(QStringLiteral("OriginalPhotoSize1")), &QAction::triggered, this,
            guard([this] { BT_ORIGINALClick(); }));
    if (auto* hide = m_window.colorsPage()->findChild<QToolButton*>(QStringLiteral("BitBtn2")))
        connect(hide, &QToolButton::clicked, this, guard([this] { BitBtn2Click(); }));
}

// The tool button runs its menu item; the menu item switches the mode.
void ToolController::connectTool(const char* button, const char* menuItem, ToolMode mode)
{
    MainActions& a = m_window.actions();
    QAction* action = a.action(QLatin1String(menuItem));
    connect(action, &QAction::triggered, this, [this, mode] {
        guarded(m_window.dialogs(), &m_window, [this, mode] { chooseTool(mode); });
    });
    if (mode == HaircutTool) // the haircut button has its own handler, doing the same
        connect(a.button(QLatin1String(button)), &QToolButton::clicked, this, [this] {
            guarded(m_window.dialogs(), &m_window, [this] { chooseTool(HaircutTool); });
        });
    else
        connect(a.button(QLatin1String(button)), &QToolButton::clicked, action, &QAction::trigger);
}

void ToolController::pressButton(ToolMode mode)
{
    if (QToolButton* button = m_window.actions().button(toolButtonName(mode)))
        button->setChecked(true);
}

void ToolController::setCanvasCursor(const QCursor& cursor)
{
    m_canvas.setCursor(cursor);
}

void ToolController::showColorsPage()
{
    PageControl* pages = m_window.pageControl();
    const int colors = pages->indexOfSheet(kColorsSheet);
    if (colors >= 0)
        pages->setCurrentIndex(colors);
    pages->update(); // the Colors page has nothing to refresh
}

void ToolController::pressBaseLock()
{
    if (auto* lock = m_window.colorsPage()->findChild<QToolButton*>(QStringLiteral("BT_LOCK")))
        lock->setChecked(true);
}

void ToolController::BT_SCROLLClick()
{
    MainWindow::State& state = m_window.state();
    m_mode = MoveTool;
    state.makeUpMode = false;
    m_zoom->hideLabel();
    emit moveModeEntered();
    pressButton(MoveTool);
    Selection& selection = m_composition.selection();
    selection.clear();
    if (state.lassoMode) {
        if (m_composition.hasHairLayer() && m_composition.currentLayer() == Composition::kHairLayer)
            m_composition.hair().visible = true;
        state.lassoMode = false;
    }
    m_interaction = Interaction::MoveLayers;
    m_composition.recomputeHairRatios();
    setCanvasCursor(Qt::OpenHandCursor);
    if (m_composition.hasHairLayer())
        m_composition.hair().frame = true;
    m_composition.takeCurrentLayerSnapshot();
    m_composition.photo().locked = false;
    m_zoom->updateCaption();
    m_composition.notifyChanged();
    pressBaseLock();
    showNormalCursor();
}

void ToolController::chooseTool(ToolMode mode)
{
    const Cursors& cursors = m_window.cursors();
    switch (mode) {
    case MoveTool:
        BT_SCROLLClick();
        return;
    case EyedropperTool:
        if (!lassoMode())
            BT_SCROLLClick();
        pressButton(mode);
        setCanvasCursor(cursors.cursor(kDropSlot));
        m_interaction = Interaction::None;
        m_mode = mode;
        if (m_window.pageControl()->isHidden())
            m_window.pageControl()->show();
        showColorsPage();
        return;
    case ZoomTool:
        BT_SCROLLClick();
        m_mode = mode;
        m_zoom->showLabel();
        pressButton(mode);
        m_interaction = Interaction::None;
        setCanvasCursor(zoomInCursor());
        m_composition.setCurrentLayer(Composition::kPhotoLayer);
        return;
    case LassoTool:
        BT_SCROLLClick();
        pressButton(mode);
        m_mode = mode;
        m_window.state().lassoMode = true;
        m_window.tryOn().hideHairstyle();
        m_interaction = Interaction::Lasso;
        setCanvasCursor(Qt::CrossCursor);
        m_canvas.setSelectionOutlineShown(true);
        m_canvas.update();
        return;
    case HaircutTool:
    case BlurTool:
    case SmudgeTool:
    case DuplicateTool:
    case MakeUpTool:
        break;
    }

    BT_SCROLLClick();
    pressButton(mode);
    const int slot = mode == HaircutTool ? kPenSlot
        : mode == BlurTool              ? kSmoothSlot
        : mode == SmudgeTool            ? kNorthSlot // whatever the smudge direction
        : mode == DuplicateTool         ? kCloneSlot
                                        : kSpraySlot;
    setCanvasCursor(cursors.cursor(slot));
    m_interaction = Interaction::None;
    m_mode = mode;
    if (mode == MakeUpTool) {
        m_window.state().makeUpMode = true;
        showColorsPage();
    }
    m_canvas.update();
}

void ToolController::BitBtn2Click()
{
    m_canvas.setSelectionOutlineShown(!m_canvas.selectionOutlineShown());
}

void ToolController::BT_ORIGINALClick()
{
    if (!m_composition.hasHairLayer())
        return;
    m_keepAspect = true;
    const QSize photo = m_window.tryOn().loadedPhotoSize();
    m_composition.photo().shownWidth = photo.width();
    m_composition.photo().shownHeight = photo.height();
    const QSize hair = m_composition.hairstyleImageSize();
    m_composition.hair().shownWidth = hair.width();
    m_composition.hair().shownHeight = hair.height();
    m_composition.notifyChanged();
}

QPointF ToolController::layerPointAt(const QPointF& viewPoint) const
{
    const Layer& layer = m_composition.layer(m_composition.currentLayer());
    const QSize shown = layer.shownSize();
    const QPointF local = m_canvas.viewToPhoto(viewPoint) - QPointF(layer.position);
    if (shown.isEmpty())
        return local;
    return QPointF(local.x() * layer.image.width() / shown.width(),
                   local.y() * layer.image.height() / shown.height());
}

QPoint ToolController::layerPixelAt(const QPointF& viewPoint) const
{
    // The pixel under the centre of the screen pixel pointed at.
    const QPointF p = layerPointAt(viewPoint + QPointF(0.5, 0.5));
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

bool ToolController::insideCurrentImage(QPoint pixel) const
{
    return m_composition.layer(m_composition.currentLayer()).image.rect().contains(pixel);
}

bool ToolController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_canvas)
        return QObject::eventFilter(watched, event);
    auto run = [this](const std::function<void()>& handler) {
        guarded(m_window.dialogs(), &m_window, handler);
        return true;
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_canvas.setFocus(Qt::MouseFocusReason);
        return run([this, event] { mousePress(*static_cast<QMouseEvent*>(event)); });
    case QEvent::MouseMove:
        return run([this, event] { mouseMove(*static_cast<QMouseEvent*>(event)); });
    case QEvent::MouseButtonRelease:
        return run([this, event] { mouseRelease(*static_cast<QMouseEvent*>(event)); });
    case QEvent::KeyPress:
        return run([this, event] { keyPress(*static_cast<QKeyEvent*>(event)); });
    case QEvent::Wheel:
        return run([this, event] { m_zoom->wheel(*static_cast<QWheelEvent*>(event)); });
    default:
        return QObject::eventFilter(watched, event);
    }
}

void ToolController::mousePress(const QMouseEvent& event)
{
    const bool photoCurrent = m_composition.currentLayer() == Composition::kPhotoLayer;
    for (int i = 0; i < m_composition.layerCount(); ++i)
        m_composition.layer(i).locked = false;
    // The photo resizes in proportion, the hairstyle freely; each press
    // switches the current layer's frame on or off.
    m_keepAspect = photoCurrent;
    Layer& current = m_composition.layer(m_composition.currentLayer());
    current.frame = !current.frame;
    m_composition.notifyChanged();

    if (m_composition.hasHairLayer()) {
        m_stroke = true;
        m_composition.takeCurrentLayerSnapshot();
        const QPoint pixel = layerPixelAt(event.position());
        m_lastPress = pixel;
        m_lastPressPhoto = m_canvas.viewToPhoto(event.position());
        if (insideCurrentImage(pixel)) {
            toolPress(event, pixel);
            m_canvas.update();
        }
    }
    viewPress(event);
}

void ToolController::toolPress(const QMouseEvent& event, QPoint pixel)
{
    const Qt::MouseButton button = event.button();
    if (button == Qt::RightButton) {
        if (lassoMode())
            m_composition.selection().clear();
        if (m_mode == ZoomTool)
            m_zoom->toolPress(button, m_lastPressPhoto);
    } else {
        if (m_mode == ZoomTool)
            m_zoom->toolPress(button, m_lastPressPhoto);
        // The eyedropper picks a colour without starting a new selection,
        // so the selection it was chosen for stays.
        if (lassoMode() && m_mode == LassoTool) {
            m_interaction = event.modifiers().testFlag(Qt::ControlModifier)
                ? Interaction::MagicWand : Interaction::Lasso;
            m_canvas.setSelectionOutlineShown(true);
        }
    }
    if (isRetouchTool(m_mode) && m_retouch)
        m_retouch->press(m_mode, pixel, button, event.modifiers());
}

void ToolController::viewPress(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return;
    switch (m_interaction) {
    case Interaction::MoveLayers:
        m_layers->press(event.position(), m_keepAspect);
        if (m_layers->dragging())
            setCanvasCursor(Qt::ClosedHandCursor);
        break;
    case Interaction::Lasso:
        m_composition.selection().beginLasso(m_composition.currentLayer(),
                                             layerPointAt(event.position()));
        m_canvas.update();
        break;
    case Interaction::MagicWand: {
        const int index = m_composition.currentLayer();
        const QImage region =
            magicWandRegion(m_composition.layer(index).image, layerPixelAt(event.position()));
        if (!region.isNull()) {
            m_composition.selection().selectMask(index, region);
            m_canvas.update();
        }
        break;
    }
    case Interaction::None:
        break;
    }
}

void ToolController::mouseMove(const QMouseEvent& event)
{
    if (m_composition.hasHairLayer()) {
        const QPoint pixel = layerPixelAt(event.position());
        if (insideCurrentImage(pixel) && m_retouch && isRetouchTool(m_mode)) {
            const bool smudging = m_mode == SmudgeTool && event.buttons().testFlag(Qt::LeftButton);
            const bool stroking = m_stroke && m_mode != SmudgeTool && m_mode != EyedropperTool;
            if (smudging || stroking) {
                m_retouch->move(m_mode, pixel, event.buttons(), event.modifiers());
                m_canvas.update();
            }
        }
    }
    viewMove(event);
}

void ToolController::viewMove(const QMouseEvent& event)
{
    switch (m_interaction) {
    case Interaction::MoveLayers:
        if (event.buttons().testFlag(Qt::LeftButton)) {
            m_layers->move(event.position(), event.modifiers());
        } else {
            setCanvasCursor(LayerInteraction::gripCursor(m_layers->gripAt(event.position())));
        }
        break;
    case Interaction::Lasso:
        if (m_composition.selection().lassoInProgress()) {
            m_composition.selection().extendLasso(layerPointAt(event.position()));
            m_canvas.update();
        }
        break;
    case Interaction::MagicWand:
    case Interaction::None:
        break;
    }
}

void ToolController::mouseRelease(const QMouseEvent& event)
{
    viewRelease(event);
    if (!m_composition.hasHairLayer())
        return;
    const bool endsStroke = m_stroke;
    m_stroke = false;
    if (endsStroke && m_retouch && isRetouchTool(m_mode))
        m_retouch->release(m_mode, layerPixelAt(event.position()), event.button());
    if (lassoMode()) {
        showColorsPage();
        m_composition.takeCurrentLayerSnapshot();
    }
    // Whatever the mouse did to the hair layer, the next hairstyle takes its scale.
    m_composition.recomputeHairRatios();
}

void ToolController::viewRelease(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return;
    switch (m_interaction) {
    case Interaction::MoveLayers:
        m_layers->release();
        setCanvasCursor(LayerInteraction::gripCursor(m_layers->gripAt(event.position())));
        break;
    case Interaction::Lasso: {
        Selection& selection = m_composition.selection();
        if (selection.lassoInProgress() && selection.layer() < m_composition.layerCount()) {
            selection.extendLasso(layerPointAt(event.position()));
            selection.finishLasso(m_composition.layer(selection.layer()).image.size());
            m_canvas.update();
        }
        break;
    }
    case Interaction::MagicWand:
    case Interaction::None:
        break;
    }
}

void ToolController::keyPress(const QKeyEvent& event)
{
    if (event.key() != Qt::Key_Escape || !lassoMode())
        return;
    Composition& c = m_composition;
    const int index = c.currentLayer();
    const Selection& selection = c.selection();
    // The selection belongs to the layer it was made on; on any other layer
    // the whole layer turns white, as it does with no selection.
    Selection none;
    whitenSelection(c.layer(index).image,
                    selection.hasArea() && selection.layer() == index ? selection : none);
    c.notifyChanged();
}

} // namespace morvane
