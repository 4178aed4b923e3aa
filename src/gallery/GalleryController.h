#pragma once

#include "gallery/GalleryFolder.h"

#include <QObject>
#include <QString>

#include <functional>

class QImage;

namespace morvane {

class GalleryPage;
class MainWindow;

// The gallery's commands in the main window: the person folders (create,
// open, delete), the deletion of gallery items, Save with its two ways
// (a gallery item in gallery mode, otherwise Save As to any picture file),
// Add to Gallery, and reopening an item on the canvas.
class GalleryController : public QObject {
    Q_OBJECT
public:
    // Connects the Gallery page's buttons and list, the Gallery menu, the
    // Save button and the Save As and Add to Gallery commands.
    explicit GalleryController(MainWindow& window);

    // The open person folder (not open when no entry of the list is current).
    GalleryFolder openFolder() const;
    // Writes a finished picture into the open person folder as the next
    // free item (no layer file, no placement text) and refreshes the view;
    // without an open folder it says so and writes nothing. Returns whether
    // a picture was written.
    bool savePictureAsItem(const QImage& picture);

    // RefrescaGaleria: fills the gallery view from a person folder.
    void RefrescaGaleria(const QString& person);
    void cbGalleryChange();
    void BT_FOLDERClick();     // create a person folder
    void BT_DELGALLERYClick(); // delete the selected items
    void BT_DELDIRClick();     // delete the open person folder
    void BT_SALVARClick();     // Save: a gallery item in gallery mode, else Save As
    void BT_GALLERYClick();    // Add to Gallery
    // Reopens the gallery item at `index` of the view on the canvas.
    void reopenItem(int index);

    // The save dialog's file types, JPEG first.
    static QStringList saveFilters();

private:
    void gallerySave();
    void saveAs();
    void reopenWithLayerFile(const QString& picturePath, const QString& layerPath);
    void reopenAsPhoto(const QString& picturePath);
    void restorePlacement(const QString& text);
    void informNoFolderOpen();
    void runGuarded(const std::function<void()>& handler);
    void connectButton(const char* button, void (GalleryController::*handler)());

    MainWindow& m_window;
    GalleryPage& m_page;
};

} // namespace morvane
