#pragma once

#include <QSlider>

namespace morvane {

// A horizontal track bar that reports only what the user does with it
// (drag, click, keys, wheel). Values set by the program are silent.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(int minimum, int maximum, QWidget* parent = nullptr);

signals:
    void userChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int valueAt(int x) const;

    bool m_userAction = false;
};

} // namespace morvane
