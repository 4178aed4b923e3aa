#pragma once

#include <QImage>
#include <QObject>

namespace morvane {

class MainWindow;

// Undo, Copy and Paste of the Edit menu, the Colors page's Undo button and
// the Copy and Paste tool buttons.
class EditCommands : public QObject {
    Q_OBJECT
public:
    explicit EditCommands(MainWindow& window);

    // The current layer back to its snapshot.
    void undo();
    // Puts on the clipboard the selection, or the composition as shown cut
    // to the photo, or (hairstyle hidden) the current layer's image.
    void copy();
    // Makes the clipboard picture the photo of a new composition, through
    // the paste file.
    void paste();

    // What Copy puts on the clipboard now.
    QImage pictureToCopy() const;

private:
    MainWindow& m_window;
};

} // namespace morvane
