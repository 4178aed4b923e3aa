#include "colour/ColourRetouch.h"

#include "app/Cursors.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "canvas/ToolMode.h"
#include "colour/ColorsPage.h"
#include "colour/ColourSwatch.h"
#include "colour/LineWidthList.h"
#include "colour/TrackBar.h"

namespace morvane {

namespace {

constexpr ColourValue kWhite = 16777215;

// Cursor slots of the smudge directions north, east, south and west.
constexpr int kSmudgeCursorSlots[4] = {6, 9, 7, 8};

} // namespace

ColourRetouch::ColourRetouch(MainWindow& window) : m_window(window) {}

QImage& ColourRetouch::currentImage()
{
    Composition& composition = m_window.composition();
    return composition.layer(composition.currentLayer()).image;
}

int ColourRetouch::lineWidth() const
{
    return m_window.colorsPage()->lineWidthList()->lineWidth();
}

void ColourRetouch::press(int tool, QPoint layerPixel, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    if (button == Qt::RightButton) {
        if (tool == DuplicateTool)
            m_cloneSource = layerPixel;
        if (tool == SmudgeTool)
            turnSmudgeDirection();
        return;
    }
    if (!m_window.state().lassoMode) {
        m_penWidth = lineWidth();
        m_penColour = tool == HaircutTool
            ? kWhite : toColourValue(m_window.colorsPage()->resultSwatch()->colour());
        m_pen = layerPixel;
    }
    if (tool == DuplicateTool)
        m_cloneAnchor = layerPixel;
    if (tool == EyedropperTool)
        pickColourAt(layerPixel);
}

void ColourRetouch::move(int tool, QPoint layerPixel, Qt::MouseButtons, Qt::KeyboardModifiers)
{
    switch (tool) {
    case DuplicateTool:
        cloneSquare(currentImage(), layerPixel, m_cloneSource - m_cloneAnchor, lineWidth());
        break;
    case HaircutTool: haircutStep(layerPixel); break;
    case MakeUpTool: makeUpStep(layerPixel); break;
    case BlurTool:
    case SmudgeTool: softenStep(layerPixel); break;
    default: return;
    }
    m_window.composition().notifyChanged();
}

void ColourRetouch::release(int, QPoint, Qt::MouseButton) {}

void ColourRetouch::haircutStep(QPoint to)
{
    QImage& image = currentImage();
    const bool clearedBefore = image.cacheKey() == m_clearedImageKey;
    const QRect line = drawWhiteLine(image, m_pen, to, m_penWidth);
    m_pen = to;
    Composition& composition = m_window.composition();
    if (composition.hasHairLayer() && composition.hair().visible && image.hasAlphaChannel()) {
        // Every near-white pixel of the layer goes, not only those of the line.
        clearNearWhite(image, clearedBefore ? line : image.rect());
        m_clearedImageKey = image.cacheKey();
    }
}

void ColourRetouch::softenStep(QPoint at)
{
    QImage& image = currentImage();
    m_airbrush.setIntensity(kSoftenIntensity);
    m_airbrush.setSize(lineWidth());
    m_airbrush.setColour(pickColour(image, at));
    m_airbrush.paintSpot(image, at);
}

void ColourRetouch::makeUpStep(QPoint at)
{
    ColorsPage& page = *m_window.colorsPage();
    m_airbrush.setIntensity(page.makeUpIntensity()->value());
    m_airbrush.setSize(lineWidth());
    m_airbrush.setColour(toColourValue(page.resultSwatch()->colour()));
    m_airbrush.paintSpot(currentImage(), at);
}

void ColourRetouch::pickColourAt(QPoint at)
{
    const ColourValue colour = pickColour(currentImage(), at);
    m_penColour = colour;
    m_window.colorsPage()->baseSwatch()->setColour(toQColor(colour));
}

void ColourRetouch::turnSmudgeDirection()
{
    int& direction = m_window.state().smudgeDirection;
    direction = direction % 4 + 1;
    m_window.canvas()->setCursor(m_window.cursors().cursor(kSmudgeCursorSlots[direction - 1]));
}

} // namespace morvane
