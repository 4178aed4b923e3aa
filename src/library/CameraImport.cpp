#include "library/CameraImport.h"

#include "common/Error.h"
#include "common/SafeFile.h"
#include "library/ContentPaths.h"
#include "library/FolderListing.h"
#include "platform/RemovableVolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace morvane {

namespace {

Error cannotCreate(const QString& target, const QString& reason)
{
    return Error(QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(target), reason));
}

} // namespace

std::optional<QString> findCameraFolder(const VolumeProvider& volumes)
{
    for (const Volume& volume : volumes.volumes()) {
        if (!volume.removable)
            continue;
        const QString dcim = resolveIgnoringCase(joinPath(volume.rootPath, QStringLiteral("DCIM")));
        if (QFileInfo(dcim).isDir())
            return dcim;
        return std::nullopt;
    }
    return std::nullopt;
}

QString transferTarget(const QString& photosFolder, const QString& fileName)
{
    const QString first = joinPath(photosFolder, fileName);
    if (!QFileInfo::exists(first))
        return first;
    const QFileInfo info(fileName);
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 2;; ++n) {
        const QString candidate = joinPath(photosFolder, QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

QString transferPhoto(const QString& sourcePath, const QString& photosFolder)
{
    QFile source(sourcePath);
    if (!QFileInfo(sourcePath).isFile() || !source.open(QIODevice::ReadOnly)) {
        const QString reason = QFileInfo::exists(sourcePath) ? source.errorString()
                                                             : QStringLiteral("No such file or directory");
        throw Error(QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(sourcePath), reason));
    }
    const QString target = transferTarget(photosFolder, QFileInfo(sourcePath).fileName());
    if (!QFileInfo(photosFolder).isDir())
        throw cannotCreate(target, QStringLiteral("No such file or directory"));
    try {
        writeFileAtomically(target, [&](const QString& tempPath) {
            QFile out(tempPath);
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw cannotCreate(target, out.errorString());
            QByteArray chunk;
            while (!(chunk = source.read(1 << 20)).isEmpty()) {
                if (out.write(chunk) != chunk.size())
                    throw cannotCreate(target, out.errorString());
            }
            if (source.error() != QFileDevice::NoError)
                throw Error(QStringLiteral("Cannot open file \"%1\". %2")
                                .arg(QDir::toNativeSeparators(sourcePath), source.errorString()));
            if (!out.flush())
                throw cannotCreate(target, out.errorString());
        });
    } catch (const Error& error) {
        if (error.message().startsWith(QLatin1String("Unable to write to")))
            throw cannotCreate(target, QStringLiteral("The folder cannot be written"));
        throw;
    }
    return target;
}

} // namespace morvane
