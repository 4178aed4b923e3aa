#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QToolButton;

namespace morvane {

class ColourSwatch;
class TrackBar;

// The Colors page: the base, shade and result swatches, the colour mix
// level and make-up intensity track bars, and the buttons of its top row.
// Controls are placed at fixed pixel positions.
class ColorsPage : public QWidget {
    Q_OBJECT
public:
    explicit ColorsPage(QWidget* parent = nullptr);

    ColourSwatch* baseSwatch() const { return m_base; }
    ColourSwatch* shadeSwatch() const { return m_shade; }
    ColourSwatch* resultSwatch() const { return m_result; }
    TrackBar* colourMixLevel() const { return m_mixLevel; }
    TrackBar* makeUpIntensity() const { return m_makeUp; }

private:
    ColourSwatch* m_base;
    ColourSwatch* m_shade;
    ColourSwatch* m_result;
    TrackBar* m_mixLevel;
    TrackBar* m_makeUp;
};

} // namespace morvane
