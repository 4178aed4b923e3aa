#pragma once

#include <QWidget>

class QComboBox;
class QSpinBox;
class QToolButton;

namespace morvane {

class ThumbnailView;

// The Photos page: its bar (delete, Photos folder, camera folder, transfer,
// size spin, maximise, the folder picker) and the photo thumbnail view.
class PhotosPage : public QWidget {
    Q_OBJECT
public:
    explicit PhotosPage(QWidget* parent = nullptr);

    ThumbnailView* view() const { return m_view; }
    QComboBox* folderPicker() const { return m_folderPicker; }

    // Opens the folder picker at `folder`; a folder that does not exist
    // leaves the picker at its previous folder.
    void openFolder(const QString& folder);
    QString folder() const;

    // Rebuilds the photo list from the picker's folder (RefrescaFotos).
    void refresh();

private:
    ThumbnailView* m_view;
    QComboBox* m_folderPicker;
    QString m_folder;
};

} // namespace morvane
