#pragma once

#include <QObject>

class QTimer;
class QToolButton;

namespace morvane {

class MainWindow;

// The automatic display: every hairstyle of the current list laid on the
// photo in turn, one per AutoTime seconds, on the timer "Timer1". Started
// and stopped by the Tools menu item and BT_AUTO; any switch to move mode
// stops it.
//
// The display walks the hairstyle list: at step n it lays the n-th listed
// hairstyle and the caption names its number. The list holds the files that
// exist, ordered by number, so in a folder numbered 1, 2, 3 ... this is
// hairstyle n, and a number missing from the folder is simply not visited.
// A hairstyle that fails to load is reported once and the display goes on
// with the next one.
class AutoDisplay : public QObject {
    Q_OBJECT
public:
    explicit AutoDisplay(MainWindow& window);

    bool isRunning() const { return m_running; }
    // The hairstyle position the next tick shows (1 = the first).
    int counter() const { return m_counter; }
    QTimer* timer() const { return m_timer; }

    // AutomaticHairstylesSequence1Click and BT_AUTOClick: starts the
    // display when it is stopped, stops it when it runs.
    void toggle();
    // Reads AutoTime (whole seconds) from the settings file and starts;
    // a value that is not a whole number throws and nothing starts.
    void start();
    // Switches the timer off and the canvas to move mode.
    void stop();
    // One step (Timer1Timer).
    void Timer1Timer();

private:
    // The timer off, BT_AUTO released; what entering move mode does here.
    void switchOff();
    void moveMode();
    void end();
    // Selects and lays the hairstyle at `index` of the list; returns its number.
    QString showHairstyle(int index);
    QToolButton* autoButton() const;

    MainWindow& m_window;
    QTimer* m_timer;
    bool m_running = false;
    bool m_inTick = false;
    int m_counter = 1;
};

} // namespace morvane
