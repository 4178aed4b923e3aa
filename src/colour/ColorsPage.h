#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QToolButton;

namespace morvane {

class ColourPalette;
class ColourSwatch;
class HsvBox;
class LineWidthList;
class TrackBar;

// The Colors page: the base, shade and result swatches with the result's
// palette, the gradient box, the tone track bars, the colour mix level, the
// line width and make-up intensity, and the buttons of its top row.
// Controls are placed at fixed pixel positions.
class ColorsPage : public QWidget {
    Q_OBJECT
public:
    explicit ColorsPage(QWidget* parent = nullptr);

    ColourSwatch* baseSwatch() const { return m_base; }
    ColourSwatch* shadeSwatch() const { return m_shade; }
    ColourSwatch* resultSwatch() const { return m_result; }
    ColourPalette* resultPalette() const { return m_palette; }
    HsvBox* gradientBox() const { return m_gradient; }
    TrackBar* colourMixLevel() const { return m_mixLevel; }
    TrackBar* makeUpIntensity() const { return m_makeUp; }
    LineWidthList* lineWidthList() const { return m_lineWidth; }
    // spinRed, spinGreen, spinBlue, spinContrast, spinBrightness, spinSharp, spinShadow.
    TrackBar* toneBar(const QString& objectName) const;
    QToolButton* lockButton() const { return m_lock; }
    QToolButton* updateColourButton() const { return m_updateColour; }
    QToolButton* hideSelectionButton() const { return m_hideSelection; }
    QToolButton* undoButton() const { return m_undo; }

private:
    void buildTopRow();
    void buildSwatches();
    void buildToneBars();

    ColourSwatch* m_base = nullptr;
    ColourSwatch* m_shade = nullptr;
    ColourSwatch* m_result = nullptr;
    ColourPalette* m_palette = nullptr;
    HsvBox* m_gradient = nullptr;
    TrackBar* m_mixLevel = nullptr;
    TrackBar* m_makeUp = nullptr;
    LineWidthList* m_lineWidth = nullptr;
    QToolButton* m_lock = nullptr;
    QToolButton* m_updateColour = nullptr;
    QToolButton* m_hideSelection = nullptr;
    QToolButton* m_undo = nullptr;
};

} // namespace morvane
