#include "app/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace morvane {

namespace {
bool g_waiting = false;
} // namespace

void showWaitCursor()
{
    if (g_waiting)
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    g_waiting = true;
}

void showNormalCursor()
{
    if (!g_waiting)
        return;
    QGuiApplication::restoreOverrideCursor();
    g_waiting = false;
}

bool waitCursorShown()
{
    return g_waiting;
}

} // namespace morvane
