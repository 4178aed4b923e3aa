#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace morvane {

// The gradient box: a saturation (across) and value (down) field for the
// chosen hue, and beside it a hue bar 50 pixels wide. A click in the field
// picks the colour under the pointer; a click in the hue bar changes the
// hue and picks the colour under the field's marker in the new hue.
class HsvBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHueBarWidth = 50;

    explicit HsvBox(QWidget* parent = nullptr);

    int hue() const { return m_hue; }
    // The colour shown at a point of the widget; invalid outside the field and the bar.
    QColor colourAt(QPoint point) const;
    QColor selectedColour() const;

    QSize sizeHint() const override { return QSize(292, 139); }

signals:
    // The user clicked: the colour under the click (the gradient box's click).
    void colourPicked(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Part { None, Field, HueBar };
    QRect fieldRect() const;
    QRect hueRect() const;
    Part partAt(QPoint point) const;
    int hueAtY(int y) const;
    QColor fieldColour(QPoint fieldPoint, int hue) const;
    void track(QPoint point);
    void renderField();

    int m_hue = 20;
    QPoint m_marker{0, 0}; // in field coordinates
    Part m_dragging = Part::None;
    QImage m_field;
    QImage m_hueBar;
};

} // namespace morvane
