#include "library/ContentPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace morvane {

namespace {

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

ContentPaths::ContentPaths(const QString& root) : m_root(withSlash(QDir::fromNativeSeparators(root))) {}

QString ContentPaths::executableRoot()
{
    return withSlash(QCoreApplication::applicationDirPath());
}

QString ContentPaths::settingsFile() const { return m_root + QStringLiteral("morvane2010.ini"); }
QString ContentPaths::helpFile() const { return m_root + QStringLiteral("Morvane2010.html"); }
QString ContentPaths::photosFolder() const { return m_root + QStringLiteral("Photos"); }

QString ContentPaths::hairTypeFolder(const QString& styleGroup, const QString& hairType) const
{
    return m_root + styleGroup + QLatin1Char('/') + hairType;
}

QString ContentPaths::hairstyleFile(const QString& styleGroup, const QString& hairType,
                                    const QString& number) const
{
    return hairTypeFolder(styleGroup, hairType) + QLatin1Char('/') + number + QStringLiteral(".PNG");
}

QString ContentPaths::hairstyleFile(const QString& styleGroup, const QString& hairType, int number) const
{
    return hairstyleFile(styleGroup, hairType, QString::number(number));
}

QString ContentPaths::hairstyleSearchPattern(const QString& styleGroup, const QString& hairType) const
{
    return hairTypeFolder(styleGroup, hairType) + QStringLiteral("/*.PNG");
}

QString ContentPaths::sidePictureFile(const QString& hairType, const QString& number) const
{
    return m_root + QStringLiteral("Styles6b/") + hairType + QLatin1Char('/') + number
        + QStringLiteral(".JPG");
}

QString ContentPaths::sidePictureFile(const QString& hairType, int number) const
{
    return sidePictureFile(hairType, QString::number(number));
}

QString ContentPaths::galleryFolder() const { return m_root + QStringLiteral("Gallery"); }

QString ContentPaths::personFolder(const QString& person) const
{
    return galleryFolder() + QLatin1Char('/') + person;
}

QString ContentPaths::previewFolder() const { return m_root + QStringLiteral("Preview"); }

QString ContentPaths::previewFile(int number) const
{
    return previewFolder() + QLatin1Char('/') + QString::number(number) + QStringLiteral(".png");
}

QString ContentPaths::tempFolder() const { return m_root + QStringLiteral("Temp"); }
QString ContentPaths::pasteFile() const { return tempFolder() + QStringLiteral("/paste.jpg"); }

QString resolveIgnoringCase(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QString parent = info.path();
    if (parent == path)
        return path;
    const QString resolvedParent = resolveIgnoringCase(parent);
    const QString name = info.fileName();
    const QDir dir(resolvedParent);
    const QString exact = dir.filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    if (dir.exists()) {
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& entry : entries) {
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return dir.filePath(entry);
        }
    }
    return path;
}

} // namespace morvane
