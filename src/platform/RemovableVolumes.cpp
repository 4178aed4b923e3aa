#include "platform/RemovableVolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace morvane {

namespace {

// The whole-disk name of a partition device: /dev/sdb1 -> sdb, /dev/mmcblk0p1 -> mmcblk0.
QString diskOf(const QString& device)
{
    const QString name = QFileInfo(QFile::symLinkTarget(device).isEmpty() ? device
                                                                          : QFile::symLinkTarget(device))
                             .fileName();
    // /sys/class/block/<partition> links into its disk's folder.
    const QString partitionLink = QStringLiteral("/sys/class/block/") + name;
    if (QFileInfo::exists(partitionLink + QStringLiteral("/partition"))) {
        const QString target = QFileInfo(partitionLink).canonicalFilePath();
        return QFileInfo(QFileInfo(target).path()).fileName();
    }
    return name;
}

bool deviceIsRemovable(const QString& device)
{
    if (!device.startsWith(QLatin1String("/dev/")))
        return false;
    QFile flag(QStringLiteral("/sys/block/") + diskOf(device) + QStringLiteral("/removable"));
    if (!flag.open(QIODevice::ReadOnly))
        return false;
    return flag.readAll().trimmed() == "1";
}

bool mountedForUser(const QString& root)
{
    return root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/"));
}

} // namespace

VolumeProvider::~VolumeProvider() = default;

std::vector<Volume> SystemVolumeProvider::volumes() const
{
    std::vector<Volume> list;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady())
            continue;
        const QString root = storage.rootPath();
        const QString device = QString::fromLocal8Bit(storage.device());
        list.push_back({root, deviceIsRemovable(device) || mountedForUser(root)});
    }
    std::sort(list.begin(), list.end(),
              [](const Volume& a, const Volume& b) { return a.rootPath < b.rootPath; });
    return list;
}

} // namespace morvane
