#include "gallery/GalleryFolder.h"

#include "common/Error.h"
#include "gallery/HiddenText.h"
#include "gallery/LayerFile.h"
#include "gallery/PlacementText.h"
#include "imaging/ImageIO.h"
#include "library/ContentPaths.h"
#include "library/FolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace morvane {

namespace {

Error cannotCreate(const QString& name)
{
    return Error(QStringLiteral("Cannot create the folder ") + name);
}

bool leavesGallery(const QString& name)
{
    if (QDir::isAbsolutePath(name))
        return true;
    const QStringList levels = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'))
                                   .split(QLatin1Char('/'));
    return levels.contains(QStringLiteral(".."));
}

} // namespace

GalleryFolder::GalleryFolder(const ContentPaths& paths, const QString& person)
    : m_person(person), m_path(person.isEmpty() ? QString() : paths.personFolder(person))
{
}

QString GalleryFolder::picturePath(int number) const
{
    return joinPath(m_path, QString::number(number) + QStringLiteral(".png"));
}

QString GalleryFolder::layerFilePath(int number) const
{
    return joinPath(m_path, QString::number(number) + QStringLiteral(".lyr"));
}

bool GalleryFolder::itemExists(int number) const
{
    // A picture copied in from a system that ignores letter case (4.PNG)
    // counts as the item too.
    for (const QString& path : {picturePath(number), layerFilePath(number)}) {
        if (QFileInfo::exists(resolveIgnoringCase(path)))
            return true;
    }
    return false;
}

int GalleryFolder::nextItemNumber(int listedItems) const
{
    int number = qMax(0, listedItems) + 1;
    while (itemExists(number))
        ++number;
    return number;
}

QString GalleryFolder::savePicture(const QImage& picture, int listedItems) const
{
    if (!isOpen())
        throw Error(QStringLiteral("No person folder is open"));
    const QString path = picturePath(nextItemNumber(listedItems));
    imaging::writeImage(path, picture);
    return path;
}

QString GalleryFolder::saveItem(const Composition& composition, const QImage& picture,
                                const QString& placementText, int listedItems) const
{
    if (!isOpen())
        throw Error(QStringLiteral("No person folder is open"));
    const int number = nextItemNumber(listedItems);
    const QString layerPath = layerFilePath(number);
    LayerFile::save(layerPath, composition);

    QImage marked = picture;
    HiddenText::write(marked, PlacementText::encode(placementText));
    const QString path = picturePath(number);
    try {
        imaging::writeImage(path, marked);
    } catch (...) {
        QFile::remove(layerPath);
        throw;
    }
    return path;
}

QStringList GalleryFolder::pictureFiles() const
{
    if (!isOpen())
        return {};
    QStringList files;
    for (const QString& name : listOrdinaryFiles(m_path, QStringLiteral("png")))
        files.append(joinPath(m_path, name));
    return files;
}

QString GalleryFolder::layerFileFor(const QString& picturePath)
{
    return picturePath.left(picturePath.size() - 4) + QStringLiteral(".lyr");
}

void GalleryFolder::deleteItems(const QStringList& picturePaths)
{
    for (const QString& picture : picturePaths) {
        QFile::remove(picture);
        QFile::remove(layerFileFor(picture));
    }
}

bool GalleryFolder::removeFolder() const
{
    return isOpen() && QDir().rmdir(m_path);
}

GalleryFolder::Creation GalleryFolder::create(const ContentPaths& paths, const QString& name)
{
    if (leavesGallery(name))
        throw cannotCreate(name);
    const QString path = paths.personFolder(name);
    if (QFileInfo(path).isDir() || QFileInfo(resolveIgnoringCase(path)).isDir())
        return Creation::AlreadyExists;
    if (!QDir().mkdir(path))
        throw cannotCreate(name);
    return Creation::Created;
}

} // namespace morvane
