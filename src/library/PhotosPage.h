#pragma once

#include <QWidget>

class QSpinBox;
class QToolButton;

namespace morvane {

class DirTreeCombo;
class MainWindow;
class ThumbnailView;

// The Photos page: its bar (delete, Photos folder, camera folder, transfer,
// size spin, maximise, the folder picker) and the photo thumbnail view.
//
// The page's commands reach the main window it sits in (its dialogs, its
// content folders, the panel state); outside a main window they do nothing.
class PhotosPage : public QWidget {
    Q_OBJECT
public:
    explicit PhotosPage(QWidget* parent = nullptr);

    ThumbnailView* view() const { return m_view; }
    DirTreeCombo* folderPicker() const { return m_folderPicker; }
    QSpinBox* sizeSpin() const { return m_sizeSpin; }
    QToolButton* maximizeButton() const { return m_maximize; }
    // BT_DCIM and BT_TRANSFER; the camera commands connect to them.
    QToolButton* cameraButton() const { return m_camera; }
    QToolButton* transferButton() const { return m_transfer; }

    // Opens the folder picker at `folder`, which refreshes the list; a
    // folder that does not exist leaves the picker at its previous folder.
    // Returns whether the folder was opened.
    bool openFolder(const QString& folder);
    // The picker's selected folder, as it was opened.
    QString folder() const;

    // Rebuilds the photo list from the picker's folder (RefrescaFotos):
    // every ordinary file whose content is of the format its extension
    // names, with its thumbnail, in the folder's order; nothing selected.
    void refresh();

    // BTDELETEClick: asks once for each selected photo, in list order, and
    // deletes those answered Yes; then refreshes.
    void deleteSelected();
    // BT_FOTOSDIRClick: opens the content's Photos folder and disables
    // BT_TRANSFER, which a camera folder enabled.
    void openPhotosFolder();

signals:
    // A photo thumbnail clicked while the panel is not maximised.
    void photoPicked(const QString& path);

private:
    MainWindow* host() const;
    void picked(int index);
    void runGuarded(void (PhotosPage::*handler)());

    ThumbnailView* m_view;
    DirTreeCombo* m_folderPicker;
    QSpinBox* m_sizeSpin;
    QToolButton* m_maximize;
    QToolButton* m_camera;
    QToolButton* m_transfer;
};

} // namespace morvane
