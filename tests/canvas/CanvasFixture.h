#pragma once

// A main window on a small content tree with a photo placed by Open Photo:
// photo 200 x 150 (PNG, so its colours are exact), hairstyle 1 of 80 x 60
// over it at its own size, move mode on.

#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "canvas/Composition.h"
#include "canvas/ToolController.h"
#include "canvas/TryOn.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QToolButton>

#include <memory>

namespace morvane::test {

struct CanvasFixture {
    TempContent content;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    QString photoPath;

    CanvasFixture()
    {
        content.writeSettings({QStringLiteral("Version=1.0"), QStringLiteral("ThumbsSize=185"),
                               QStringLiteral("PercColorMix=30"),
                               QStringLiteral("IntensityMakeUp=5"),
                               QStringLiteral("StylesButton=Styles2"),
                               QStringLiteral("TypeButton=Long and Dark"),
                               QStringLiteral("AutoTime=2"), QStringLiteral("SalonName=S"),
                               QStringLiteral("Language=EN")});
        content.addHairstyle(QStringLiteral("Styles2"), QStringLiteral("Long and Dark"), 1, QSize(80, 60));
        content.addHairstyle(QStringLiteral("Styles2"), QStringLiteral("Long and Dark"), 2, QSize(60, 40));
        photoPath = content.addPhoto(QStringLiteral("client.png"), QSize(200, 150));
        window = std::make_unique<MainWindow>(content.paths(), dialogs);
        window->resize(1024, 738);
        window->show();
        window->formActivate();
        tryOn().PlacePhoto(TryOn::PhotoEntry::OpenPhoto, photoPath);
    }

    Composition& composition() { return window->composition(); }
    TryOn& tryOn() { return window->tryOn(); }
    ToolController& tools() { return window->tools(); }
    CanvasView& canvas() { return *window->canvas(); }
    QToolButton* button(const char* name) { return window->actions().button(QLatin1String(name)); }
    QAction* action(const char* name) { return window->actions().action(QLatin1String(name)); }

    // Mouse events as the canvas receives them.
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Qt::MouseButtons held = m_held;
        if (type == QEvent::MouseButtonPress)
            held |= button;
        if (type == QEvent::MouseButtonRelease)
            held &= ~Qt::MouseButtons(button);
        m_held = held;
        const QPointF local(at);
        QMouseEvent event(type, local, canvas().mapToGlobal(local),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
        QCoreApplication::sendEvent(&canvas(), &event);
    }
    void press(QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        mouse(QEvent::MouseButtonPress, at, b, m);
    }
    void moveTo(QPoint at, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        mouse(QEvent::MouseMove, at, Qt::NoButton, m);
    }
    void release(QPoint at, Qt::MouseButton b = Qt::LeftButton)
    {
        mouse(QEvent::MouseButtonRelease, at, b);
    }
    // Press, move in a few steps, release.
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        press(from, Qt::LeftButton, m);
        for (int step = 1; step <= 4; ++step)
            moveTo(from + (to - from) * step / 4, m);
        release(to);
    }

private:
    Qt::MouseButtons m_held;
};

} // namespace morvane::test
