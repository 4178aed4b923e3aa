#include "app/Application.h"

#include "library/ContentPaths.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QMainWindow>

namespace morvane {

int runApplication(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QApplication::setApplicationDisplayName(QString::fromLatin1(kApplicationTitle));
    QMainWindow window;
    window.setObjectName(QStringLiteral("TF_HAIR"));
    window.showMaximized();
    return app.exec();
}

} // namespace morvane
