#pragma once

#include <QObject>

namespace morvane {

class MainWindow;

// Maximise and restore of the thumbnail panel, shared by the four pages'
// maximise buttons, and the four size spins that size the views while the
// panel is maximised.
class PanelMaximizer : public QObject {
    Q_OBJECT
public:
    explicit PanelMaximizer(MainWindow& window);

    bool isMaximized() const;
    // The click of BTMAX1 ... BTMAX4.
    void toggle();

signals:
    void maximizedChanged(bool maximized);

private:
    MainWindow& m_window;
};

} // namespace morvane
