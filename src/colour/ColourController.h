#pragma once

#include "colour/ColourMix.h"
#include "colour/ToneAdjust.h"

#include <QColor>
#include <QObject>

#include <array>
#include <functional>
#include <memory>

namespace morvane {

class ColorsPage;
class ColourRetouch;
class Composition;
class MainWindow;

// The Colors page's commands: the gradient box, the base and result
// swatches, Update Color, the recolouring of the hair layer or of a lasso
// selection of the photo, and the tone track bars. It also owns the
// retouch tools' painter.
class ColourController : public QObject {
    Q_OBJECT
public:
    explicit ColourController(MainWindow& window);
    ~ColourController() override;

    void HSVBox1Click(const QColor& colour);
    void OvalButton1Change();
    void BT_BASEClick();
    void BT_UPDTHAIRClick();
    // Mixes the result colour into the hair layer (or the lasso selection of
    // the photo) at the colour mix level read now.
    void ApplyResultColour();

    void spinRedChangedValue();
    void spinBrightnessChangedValue(int value);
    void spinContrastChangedValue(int value);
    void spinSharpChangedValue(int value);
    void spinShadowChangedValue(int value);

    // How layer `index` is drawn on screen.
    DisplayTone displayTone(int index) const { return m_tones.at(size_t(index)); }

    ColourRetouch& retouch() const { return *m_retouch; }

signals:
    void displayToneChanged(int index, const DisplayTone& tone);

private:
    void connectPage();
    void run(const std::function<void()>& handler);
    void setCurrentTone(const std::function<void(DisplayTone&)>& change);
    void showTone(int index);
    void followLayers();

    MainWindow& m_window;
    ColorsPage& m_page;
    Composition& m_composition;
    std::unique_ptr<ColourRetouch> m_retouch;
    std::array<DisplayTone, 2> m_tones{};
    bool m_hadHairLayer = false;
};

} // namespace morvane
