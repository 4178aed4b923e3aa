#pragma once

#include <QList>
#include <QObject>

class QSpinBox;
class QToolButton;

namespace morvane {

class MainWindow;

// Maximise and restore of the thumbnail panel, shared by the four pages'
// maximise buttons, and the four size spins that size the views while the
// panel is maximised.
//
// A size of 0 (the Photos, Styles and Gallery spins reach it) has no column
// count: it leaves that view as it is until the spin shows a size again.
class PanelMaximizer : public QObject {
    Q_OBJECT
public:
    // Connects the four maximise buttons and the four spins of the
    // window's pages; the object lives as a child of the window.
    explicit PanelMaximizer(MainWindow& window);

    bool isMaximized() const;
    // The click of BTMAX1 ... BTMAX4.
    void toggle();

    // The panel width while restored, and the thumbnails' size then.
    static constexpr int kRestoredWidth = 314;
    static constexpr int kRestoredThumbnailSize = 90;
    static constexpr int kRestoredColumns = 3;

    // The column count for thumbnails `size` wide in a window `width` wide:
    // width / size rounded to the nearest whole number (halves to even),
    // minus 1. Sizes below 1 have none (returns 0).
    static int columnsFor(int width, int size);

signals:
    void maximizedChanged(bool maximized);

private:
    void maximize();
    void restore();
    void setHints(const QString& hint);
    void setSpinsVisible(bool visible);
    void spinChanged(int page);
    void setPanelFills(bool fills);

    MainWindow& m_window;
    // In page order: Photos, Styles, Gallery, Preview.
    QList<QToolButton*> m_buttons;
    QList<QSpinBox*> m_spins;
};

} // namespace morvane
