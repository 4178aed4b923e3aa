#include "app/Application.h"

#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "library/ContentPaths.h"
#include "platform/QtDialogs.h"
#include "printing/PrintController.h"
#include "printing/PrintPreviewWindow.h"
#include "settings/PreferencesDialog.h"
#include "settings/SettingsFile.h"
#include "sideview/SideViewController.h"
#include "sideview/SideViewWindow.h"

#include <QApplication>

namespace morvane {

ProgramWindows::ProgramWindows() = default;
ProgramWindows::~ProgramWindows() = default;
ProgramWindows::ProgramWindows(ProgramWindows&&) noexcept = default;
ProgramWindows& ProgramWindows::operator=(ProgramWindows&&) noexcept = default;

ProgramWindows createProgramWindows(const ContentPaths& paths, Dialogs& dialogs)
{
    ProgramWindows windows;
    windows.main = std::make_unique<MainWindow>(paths, dialogs);
    MainWindow* main = windows.main.get();

    windows.about = std::make_unique<AboutBox>(SettingsFile(paths.settingsFile()));
    main->setAboutBox(windows.about.get());

    PreferencesDialog::Setup setup{SettingsFile(paths.settingsFile()), dialogs,
                                   main->state().portuguese,
                                   [main] { return main->messageText(16); }};
    windows.preferences = std::make_unique<PreferencesDialog>(std::move(setup));
    main->setPreferencesDialog(windows.preferences.get());

    windows.printPreview = std::make_unique<PrintPreviewWindow>(main->state().portuguese);
    main->printing().setPreviewWindow(windows.printPreview.get());
    windows.side = std::make_unique<SideViewWindow>();
    main->sideView().setWindow(windows.side.get());
    return windows;
}

int runApplication(int argc, char* argv[])
{
    // GIF and TIFF files with LZW compression are read and written by the
    // Qt image plugins, which carry their LZW coders; there is nothing to
    // register before the windows exist.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));

    QtDialogs dialogs;
    const ContentPaths paths(ContentPaths::executableRoot());
    ProgramWindows windows = createProgramWindows(paths, dialogs);
    windows.main->showMaximized();
    return app.exec();
}

} // namespace morvane
