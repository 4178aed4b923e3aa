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

    static constexpr int kDropDownWidth = 14;

    QColor colour() const { return m_colour; }
    // With a drop-down part, a press on the arrow at the right edge asks
    // for the palette instead of clicking the swatch.
    void setDropDown(bool dropDown);
    QRect dropDownRect() const;
    // Emits colourChanged when the colour differs from the one shown.
    void setColour(const QColor& colour);

signals:
    void colourChanged(const QColor& colour);
    void dropDownRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_colour;
    bool m_oval;
    bool m_dropDown = false;
};

} // namespace morvane
