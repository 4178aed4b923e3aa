#pragma once

#include "library/ContentPaths.h"

#include <QWidget>

#include <optional>

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
    // The open person folder: the text of the current entry, or empty.
    // Text typed into the edit field counts only once it makes an entry
    // the current one.
    QString openPerson() const;
    // Removes the entry `name` and leaves no entry current.
    void removePerson(const QString& name);
    // Makes the entry `name` the current one without reporting a change.
    void selectPerson(const QString& name);

    // The content tree the person folders live in; refresh() needs it.
    void setContentPaths(const ContentPaths& paths) { m_paths = paths; }

    // Rebuilds the view from a person folder (RefrescaGaleria): every
    // ".png" file of the folder whose content is a PNG, in the folder's
    // order, captioned with its name less the extension; the last one
    // listed is selected.
    void refresh(const QString& person);

private:
    std::optional<ContentPaths> m_paths;
    ThumbnailView* m_view;
    QComboBox* m_persons;
};

} // namespace morvane
