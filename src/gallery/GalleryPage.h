#pragma once

#include <QWidget>

class QComboBox;

namespace morvane {

class ThumbnailView;

// The Gallery page: the bar with the person folder list and its buttons,
// and the thumbnail view of the open person folder.
class GalleryPage : public QWidget {
    Q_OBJECT
public:
    explicit GalleryPage(QWidget* parent = nullptr);

    ThumbnailView* view() const { return m_view; }
    QComboBox* personList() const { return m_persons; }

    // Fills the person list with the sub-folders of `galleryFolder` (hidden
    // ones included), sorted ignoring case, with no entry selected.
    void fillPersonList(const QString& galleryFolder);
    // Adds a name at its sorted place.
    void addPerson(const QString& name);
    // The open person folder: the current entry's text, or empty.
    QString openPerson() const;

    // Rebuilds the view from a person folder (RefrescaGaleria).
    void refresh(const QString& person);

private:
    ThumbnailView* m_view;
    QComboBox* m_persons;
};

} // namespace morvane
