#include "autodisplay/AutoDisplay.h"

#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/WaitCursor.h"
#include "canvas/CanvasView.h"
#include "canvas/Composition.h"
#include "canvas/ToolController.h"
#include "canvas/TryOn.h"
#include "common/Conversions.h"
#include "library/HairstyleNumbers.h"
#include "library/StylesPage.h"
#include "library/ThumbnailView.h"
#include "platform/Guard.h"
#include "settings/SettingsFile.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <climits>
#include <cmath>

namespace morvane {

namespace {

// The timer interval for `seconds`; 0 when the timer is never to fire.
int intervalFor(int seconds)
{
    if (seconds <= 0)
        return 0;
    return seconds > INT_MAX / 1000 ? INT_MAX : seconds * 1000;
}

// Scrolls so that the cell of `index` sits in the middle of the view.
void centreOn(ThumbnailView* view, int index)
{
    const QRect cell = view->cellRect(index);
    QScrollBar* bar = view->verticalScrollBar();
    const int contentMiddle = cell.center().y() + bar->value();
    bar->setValue(contentMiddle - view->viewport()->height() / 2);
}

} // namespace

AutoDisplay::AutoDisplay(MainWindow& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("AutoDisplay"));
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer, &QTimer::timeout, this,
            [this] { guarded(m_window.dialogs(), &m_window, [this] { Timer1Timer(); }); });

    MainActions& actions = window.actions();
    if (QToolButton* button = autoButton())
        button->setCheckable(true); // its pressed look while the display runs
    auto runToggle = [this] { guarded(m_window.dialogs(), &m_window, [this] { toggle(); }); };
    connect(actions.action(QStringLiteral("AutomaticHairstylesSequence1")), &QAction::triggered, this,
            runToggle);
    if (QToolButton* button = autoButton())
        connect(button, &QToolButton::clicked, this, runToggle);
    // Every switch to move mode (BT_SCROLL, and the first step of every
    // other tool, Open Photo, Paste, Show Hairstyle) stops the display.
    connect(&window.tools(), &ToolController::moveModeEntered, this, &AutoDisplay::switchOff);
}

QToolButton* AutoDisplay::autoButton() const
{
    return m_window.actions().button(QStringLiteral("BT_AUTO"));
}

void AutoDisplay::toggle()
{
    if (m_running)
        stop();
    else
        start();
}

void AutoDisplay::start()
{
    // The button's own click toggled its look; it shows the state.
    if (QToolButton* button = autoButton())
        button->setChecked(false);
    const SettingsFile settings(m_window.paths().settingsFile());
    const int seconds = toInteger(settings.read(QStringLiteral("AutoTime")));
    if (QToolButton* button = autoButton())
        button->setChecked(true);
    m_counter = 1;
    Composition& composition = m_window.composition();
    if (composition.hasHairLayer()) {
        composition.setCurrentLayer(Composition::kHairLayer);
        composition.hair().visible = true;
        composition.notifyChanged();
    }
    m_running = true;
    // With no interval the timer never fires: the display stays started,
    // showing nothing, until it is stopped.
    const int interval = intervalFor(seconds);
    m_timer->setInterval(interval);
    if (interval > 0)
        m_timer->start();
}

void AutoDisplay::stop()
{
    switchOff();
    moveMode();
}

void AutoDisplay::switchOff()
{
    m_timer->stop();
    m_running = false;
    if (QToolButton* button = autoButton())
        button->setChecked(false);
}

void AutoDisplay::moveMode()
{
    if (QToolButton* move = m_window.actions().button(QStringLiteral("BT_SCROLL")))
        move->click();
}

void AutoDisplay::end()
{
    showNormalCursor();
    switchOff();
    moveMode();
}

void AutoDisplay::Timer1Timer()
{
    // A tick whose error box is still open lets the later ticks pass.
    if (m_inTick)
        return;
    const QScopedValueRollback<bool> inTick(m_inTick, true);
    ThumbnailView* list = m_window.stylesPage()->view();
    if (m_counter > list->count()) {
        end();
        return;
    }
    showWaitCursor(); // the end of the display restores it
    PageControl* pages = m_window.pageControl();
    pages->setCurrentIndex(pages->indexOfSheet(QStringLiteral("TabSheet2")));
    Composition& composition = m_window.composition();
    if (composition.hasHairLayer()) {
        composition.hair().frame = false;
        composition.notifyChanged();
    }
    const int index = m_counter - 1;
    // Moved on first: a hairstyle that fails to load is not tried again.
    ++m_counter;
    const QString number = showHairstyle(index);

    const QListWidgetItem* type = m_window.hairTypeList()->currentItem();
    m_window.setWindowTitle(m_window.state().baseCaption + QStringLiteral(" - ")
                            + m_window.state().currentStyleGroup + QStringLiteral(" - ")
                            + (type ? type->text() : QString()) + QStringLiteral(": ") + number);
    const double zoom = std::nearbyint(m_window.canvas()->zoom());
    m_window.actions().zoomLabel()->setText(QStringLiteral("Zoom: %1%").arg(qint64(zoom)));
}

QString AutoDisplay::showHairstyle(int index)
{
    ThumbnailView* list = m_window.stylesPage()->view();
    list->setSelected(index); // the program's selection: not a pick
    centreOn(list, index);
    const QString path = list->item(index).path;
    m_window.tryOn().ApplyHairstyle(path);
    return hairstyleNumberOfFileName(QFileInfo(path).fileName());
}

} // namespace morvane
