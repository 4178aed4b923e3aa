#pragma once

#include <memory>

namespace morvane {

class AboutBox;
class ContentPaths;
class Dialogs;
class MainWindow;
class PreferencesDialog;
class PrintPreviewWindow;
class SideViewWindow;

// The program's windows, created in this order: the main window (its
// creation runs the start-up sequence), the About box, the Preferences
// dialog; the later windows see the main window's interface language.
struct ProgramWindows {
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<AboutBox> about;
    std::unique_ptr<PreferencesDialog> preferences;
    std::unique_ptr<PrintPreviewWindow> printPreview;
    std::unique_ptr<SideViewWindow> side;

    ProgramWindows();
    ~ProgramWindows();
    ProgramWindows(ProgramWindows&&) noexcept;
    ProgramWindows& operator=(ProgramWindows&&) noexcept;
};

ProgramWindows createProgramWindows(const ContentPaths& paths, Dialogs& dialogs);

// Program entry: sets up the application object and the windows, runs the
// event loop and returns its exit code.
int runApplication(int argc, char* argv[]);

} // namespace morvane
