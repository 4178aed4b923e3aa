#pragma once

#include "app/Cursors.h"
#include "canvas/Composition.h"
#include "library/ContentPaths.h"

#include <QImage>
#include <QMainWindow>

#include <functional>
#include <memory>

class QListWidget;

namespace morvane {

class AboutBox;
class AutoDisplay;
class CameraImportController;
class CanvasView;
class ColourController;
class ColorsPage;
class Dialogs;
class GalleryController;
class GalleryPage;
class MainActions;
class PageControl;
class PhotosPage;
class PreferencesDialog;
class PreviewPage;
class SideViewController;
class PreviewRuns;
class PrintController;
class StylesPage;
class ThumbnailView;
class ToolController;
class TryOn;

// The main window "TF_HAIR": tool bar, menus, the composition canvas and
// the thumbnail panel with its five pages. It owns the canvas's layers,
// the scratch images and the state the subsystems share.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // State shared with the subsystems.
    struct State {
        QString currentStyleGroup;
        QString baseCaption;
        bool portuguese = false;
        bool firstActivationPending = false;
        double maximizedThumbnailSize = 0.0;
        bool lassoMode = false;
        bool makeUpMode = false;
        int smudgeDirection = 1;
        bool folderDialogConfirmed = false;
        bool galleryMode = false;
        // The thumbnail panel fills the window and the canvas is hidden.
        bool panelMaximized = false;
    };

    // Builds the window and runs its start-up sequence; a failure in it is
    // shown in the default error box and ends the sequence there.
    MainWindow(const ContentPaths& paths, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    const ContentPaths& paths() const { return m_paths; }
    Dialogs& dialogs() const { return m_dialogs; }
    State& state() { return m_state; }
    const State& state() const { return m_state; }

    MainActions& actions() const { return *m_actions; }
    Composition& composition() { return m_composition; }
    CanvasView* canvas() const { return m_canvas; }
    PageControl* pageControl() const { return m_pages; }
    PhotosPage* photosPage() const { return m_photos; }
    StylesPage* stylesPage() const { return m_styles; }
    ColorsPage* colorsPage() const { return m_colors; }
    GalleryPage* galleryPage() const { return m_gallery; }
    PreviewPage* previewPage() const { return m_preview; }
    // The four thumbnail views, Photos, Styles, Gallery, Preview.
    QList<ThumbnailView*> thumbnailViews() const;
    // CB_TIPO: the seven hair types; its current row is the current hair type.
    QListWidget* hairTypeList() const { return m_hairTypes; }
    const Cursors& cursors() const { return m_cursors; }
    // The composition operations: ApplyHairstyle, PlacePhoto and the commands.
    TryOn& tryOn() const { return *m_tryOn; }
    // The canvas tools: tool modes, mouse dispatch, zoom, undo and clipboard.
    ToolController& tools() const { return *m_tools; }
    // The Colors page commands and the retouch tools' painter.
    ColourController& colourController() const { return *m_colourController; }
    SideViewController& sideView() const { return *m_sideView; }
    AutoDisplay& autoDisplay() const { return *m_autoDisplay; }
    CameraImportController& cameraImport() const { return *m_cameraImport; }
    PreviewRuns& previewRuns() const { return *m_previewRuns; }
    PrintController& printing() const { return *m_printing; }
    // The gallery's commands: person folders, Save, Save As, Add to Gallery.
    GalleryController& galleryController() const { return *m_galleryController; }

    // Scratch images: the mixing view and the work view. The photo and
    // hair snapshots live in the composition.
    QImage& mixingImage() { return m_mixingImage; }
    QImage& workImage() { return m_workImage; }

    // The text of message label `number`, as it reads now.
    QString messageText(int number) const;

    // The dialogs created after this window.
    void setAboutBox(AboutBox* about) { m_about = about; }
    void setPreferencesDialog(PreferencesDialog* preferences);

    // Enables or disables the commands that need a composition.
    void EnablePhotoTools(bool enabled);
    // Runs each time the window becomes the active window.
    void formActivate();
    // Rebuilds the hairstyle list of the current style group and hair type.
    void RefrescaCabelos();
    // What Save in the Preferences dialog changes here.
    void applyPreferences(int colourMixLevel, int makeUpIntensity, double maximizedThumbnailSize);

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildLayout();
    void connectCommands();
    void formCreate();
    void applyStartSelection(const QString& stylesButton, const QString& typeButton);
    void pageChangedByUser(int index);
    void styleGroupClicked(const QString& styleGroup);
    void hairTypeClicked(int index);
    void hairstylePicked(const QString& path);
    // Runs a command handler: a failure ends it with the default error box.
    void runGuarded(const std::function<void()>& handler);
    void openHelp();
    void showAbout();
    void showPreferences();

    ContentPaths m_paths;
    Dialogs& m_dialogs;
    State m_state;
    Composition m_composition;
    std::unique_ptr<MainActions> m_actions;
    CanvasView* m_canvas = nullptr;
    PageControl* m_pages = nullptr;
    PhotosPage* m_photos = nullptr;
    StylesPage* m_styles = nullptr;
    ColorsPage* m_colors = nullptr;
    GalleryPage* m_gallery = nullptr;
    PreviewPage* m_preview = nullptr;
    QListWidget* m_hairTypes = nullptr;
    Cursors m_cursors;
    TryOn* m_tryOn = nullptr;
    ToolController* m_tools = nullptr;
    ColourController* m_colourController = nullptr;
    SideViewController* m_sideView = nullptr;
    AutoDisplay* m_autoDisplay = nullptr;
    CameraImportController* m_cameraImport = nullptr;
    PreviewRuns* m_previewRuns = nullptr;
    PrintController* m_printing = nullptr;
    GalleryController* m_galleryController = nullptr;
    QImage m_mixingImage;
    QImage m_workImage;
    AboutBox* m_about = nullptr;
    PreferencesDialog* m_preferences = nullptr;
};

} // namespace morvane
