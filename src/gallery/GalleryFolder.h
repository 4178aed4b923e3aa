#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace morvane {

class Composition;
class ContentPaths;

// One person folder of the gallery and its items: n.png, the gallery
// picture, and n.lyr, its layer file (pictures saved from the print
// preview have no layer file).
class GalleryFolder {
public:
    // The folder of `person` under the content's Gallery folder; an empty
    // name is no folder (isOpen() is false).
    GalleryFolder(const ContentPaths& paths, const QString& person);

    bool isOpen() const { return !m_person.isEmpty(); }
    const QString& person() const { return m_person; }
    // The folder's full path, without a trailing separator; empty when not open.
    const QString& path() const { return m_path; }

    // The item number a save takes when the view lists `listedItems`
    // items: the count plus one, or, when that number belongs to an
    // existing item (after deletions in the middle), the next number whose
    // picture and layer file are both free. Existing items are never
    // overwritten.
    int nextItemNumber(int listedItems) const;
    QString picturePath(int number) const; // <folder>/<n>.png
    QString layerFilePath(int number) const; // <folder>/<n>.lyr

    // Writes `picture` as the next free item's PNG (no layer file, no
    // placement text) and returns its path. The print preview's cell save.
    QString savePicture(const QImage& picture, int listedItems) const;

    // Add to Gallery: the canvas's layers to n.lyr, then `picture` (the
    // current layer's image) with `placementText` hidden in it to n.png.
    // When the picture cannot be written the layer file just written is
    // removed again, so no half item is left. Returns the picture's path.
    QString saveItem(const Composition& composition, const QImage& picture,
                     const QString& placementText, int listedItems) const;

    // The gallery pictures: plain files ending in ".png" (letter case
    // ignored) in the folder's own order, not verified.
    QStringList pictureFiles() const;

    // The layer file beside a gallery picture: its name less the last four
    // characters, plus ".lyr".
    static QString layerFileFor(const QString& picturePath);

    // Deletes each picture and its layer file; failures are ignored.
    static void deleteItems(const QStringList& picturePaths);

    // Removes the folder itself; false when it cannot (not empty, in use).
    bool removeFolder() const;

    enum class Creation { Created, AlreadyExists };
    // Creates the person folder `name` under the Gallery folder, one level:
    // a name with "/" needs every level but the last to exist. Throws
    // Error "Cannot create the folder <name>" when it cannot be created,
    // and for a name that would leave the Gallery folder (an absolute path
    // or a ".." level).
    static Creation create(const ContentPaths& paths, const QString& name);

private:
    bool itemExists(int number) const;

    QString m_person;
    QString m_path;
};

} // namespace morvane
