#pragma once

#include <QColor>
#include <QToolButton>

namespace morvane {

// A button that shows one colour: the base, shade and result swatches of
// the Colors page. An oval swatch draws the colour as a rounded pill.
class ColourSwatch : public QToolButton {
    Q_OBJECT
public:
    explicit ColourSwatch(const QColor& colour, bool oval = false, QWidget* parent = nullptr);

    QColor colour() const { return m_colour; }
    // Emits colourChanged when the colour differs from the one shown.
    void setColour(const QColor& colour);

signals:
    void colourChanged(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
    bool m_oval;
};

} // namespace morvane
