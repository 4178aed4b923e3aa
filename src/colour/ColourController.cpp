#include "colour/ColourController.h"

#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "canvas/Composition.h"
#include "canvas/EditCommands.h"
#include "canvas/ToolController.h"
#include "colour/ColorsPage.h"
#include "colour/ColourRetouch.h"
#include "colour/ColourSwatch.h"
#include "colour/HsvBox.h"
#include "colour/Recolour.h"
#include "colour/TrackBar.h"
#include "platform/Guard.h"

#include <QToolButton>

namespace morvane {

ColourController::ColourController(MainWindow& window)
    : QObject(&window)
    , m_window(window)
    , m_page(*window.colorsPage())
    , m_composition(window.composition())
    , m_retouch(std::make_unique<ColourRetouch>(window))
{
    setObjectName(QStringLiteral("ColourController"));
    m_hadHairLayer = m_composition.hasHairLayer();
    window.tools().setRetouchHandler(m_retouch.get());
    connect(this, &ColourController::displayToneChanged, window.canvas(), &CanvasView::setDisplayTone);
    connectPage();
    connect(&m_composition, &Composition::changed, this, &ColourController::followLayers);
}

ColourController::~ColourController() = default;

void ColourController::run(const std::function<void()>& handler)
{
    guarded(m_window.dialogs(), &m_window, handler);
}

void ColourController::connectPage()
{
    connect(m_page.gradientBox(), &HsvBox::colourPicked, this,
            [this](const QColor& colour) { run([this, colour] { HSVBox1Click(colour); }); });
    connect(m_page.resultSwatch(), &ColourSwatch::colourChanged, this,
            [this] { run([this] { OvalButton1Change(); }); });
    connect(m_page.resultSwatch(), &QToolButton::clicked, this,
            [this] { run([this] { ApplyResultColour(); }); });
    connect(m_page.baseSwatch(), &QToolButton::clicked, this, [this] { run([this] { BT_BASEClick(); }); });
    connect(m_page.updateColourButton(), &QToolButton::clicked, this,
            [this] { run([this] { BT_UPDTHAIRClick(); }); });

    for (const char* name : {"spinRed", "spinGreen", "spinBlue"}) {
        connect(m_page.toneBar(QLatin1String(name)), &TrackBar::userChanged, this,
                [this] { run([this] { spinRedChangedValue(); }); });
    }
    auto connectBar = [this](const char* name, void (ColourController::*handler)(int)) {
        connect(m_page.toneBar(QLatin1String(name)), &TrackBar::userChanged, this,
                [this, handler](int value) { run([this, handler, value] { (this->*handler)(value); }); });
    };
    connectBar("spinBrightness", &ColourController::spinBrightnessChangedValue);
    connectBar("spinContrast", &ColourController::spinContrastChangedValue);
    connectBar("spinSharp", &ColourController::spinSharpChangedValue);
    connectBar("spinShadow", &ColourController::spinShadowChangedValue);
}

void ColourController::HSVBox1Click(const QColor& colour)
{
    m_page.shadeSwatch()->setColour(colour);
    QColor result;
    if (m_page.lockButton()->isChecked()) {
        m_page.baseSwatch()->setColour(colour);
        result = colour;
    } else {
        result = toQColor(MixColors(toColourValue(m_page.baseSwatch()->colour()),
                                    toColourValue(colour), 127));
    }
    m_page.resultSwatch()->setColour(result); // a change runs OvalButton1Change
    if (m_composition.hasHairLayer())
        ApplyResultColour();
}

void ColourController::OvalButton1Change()
{
    m_retouch->airbrush().setColour(toColourValue(m_page.resultSwatch()->colour()));
    ApplyResultColour();
}

void ColourController::BT_BASEClick()
{
    m_page.resultSwatch()->setColour(m_page.baseSwatch()->colour());
}

void ColourController::BT_UPDTHAIRClick()
{
    if (m_composition.hasHairLayer() && m_composition.currentLayer() == Composition::kHairLayer)
        m_composition.takeSnapshot(Composition::kHairLayer);
}

void ColourController::ApplyResultColour()
{
    if (!m_composition.hasHairLayer())
        return;
    const ColourValue colour = toColourValue(m_page.resultSwatch()->colour());
    const int level = m_page.colourMixLevel()->value();
    QImage mixed;
    if (m_window.state().lassoMode) {
        const Selection& selection = m_composition.selection();
        LassoArea lasso;
        if (selection.hasArea() && selection.layer() == Composition::kPhotoLayer) {
            lasso.bounds = selection.bounds();
            lasso.mask = selection.mask().copy(lasso.bounds);
        }
        mixed = morvane::ApplyResultColour(m_composition, colour, level, &lasso);
    } else {
        mixed = morvane::ApplyResultColour(m_composition, colour, level, nullptr);
    }
    if (!mixed.isNull())
        m_window.mixingImage() = mixed;
}

void ColourController::setCurrentTone(const std::function<void(DisplayTone&)>& change)
{
    const int index = m_composition.currentLayer();
    change(m_tones.at(size_t(index)));
    showTone(index);
}

void ColourController::showTone(int index)
{
    emit displayToneChanged(index, m_tones.at(size_t(index)));
}

void ColourController::spinRedChangedValue()
{
    if (!m_composition.hasHairLayer())
        return;
    const int red = m_page.toneBar(QStringLiteral("spinRed"))->value();
    const int green = m_page.toneBar(QStringLiteral("spinGreen"))->value();
    const int blue = m_page.toneBar(QStringLiteral("spinBlue"))->value();
    if (red == 0 && green == 0 && blue == 0)
        return; // the offsets set before stay
    setCurrentTone([=](DisplayTone& tone) {
        tone.red = red;
        tone.green = green;
        tone.blue = blue;
    });
}

void ColourController::spinBrightnessChangedValue(int value)
{
    if (!m_composition.hasHairLayer())
        return;
    for (const char* name : {"spinRed", "spinGreen", "spinBlue"})
        m_page.toneBar(QLatin1String(name))->setValue(value);
    spinRedChangedValue();
}

void ColourController::spinContrastChangedValue(int value)
{
    if (!m_composition.hasHairLayer() || value == 0)
        return;
    setCurrentTone([value](DisplayTone& tone) { tone.contrast = value; });
}

void ColourController::spinSharpChangedValue(int value)
{
    if (!m_composition.hasHairLayer() || value == 0)
        return;
    m_window.tools().edit().undo();
    sharpen(m_composition.layer(m_composition.currentLayer()).image, value);
    m_composition.notifyChanged();
}

void ColourController::spinShadowChangedValue(int value)
{
    if (!m_composition.hasHairLayer())
        return;
    m_window.tools().edit().undo();
    if (value != 0) {
        QImage& image = m_composition.layer(m_composition.currentLayer()).image;
        image = addDropShadow(image, value);
    }
    m_composition.notifyChanged();
}

void ColourController::followLayers()
{
    // A hair layer laid anew (a new photo placed) starts without display
    // adjustments; the photo layer keeps its own.
    const bool hasHair = m_composition.hasHairLayer();
    if (hasHair != m_hadHairLayer && m_tones[Composition::kHairLayer] != DisplayTone{}) {
        m_tones[Composition::kHairLayer] = DisplayTone{};
        showTone(Composition::kHairLayer);
    }
    m_hadHairLayer = hasHair;
}

} // namespace morvane
