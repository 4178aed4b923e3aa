#include "common/SafeFile.h"

#include "common/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace morvane {

namespace {

std::function<void(const QString&)>& beforeCommitHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

Error unableToWrite(const QString& path)
{
    return Error(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)));
}

QString tempPathBeside(const QString& path)
{
    QTemporaryFile probe(path + QStringLiteral(".XXXXXX.tmp"));
    probe.setAutoRemove(false);
    if (!probe.open())
        throw unableToWrite(path);
    QString name = probe.fileName();
    probe.close();
    return name;
}

void commit(const QString& tempPath, const QString& path)
{
    if (auto& hook = beforeCommitHook())
        hook(path);
    // rename(2) replaces the target atomically; QFile::rename refuses to.
    if (std::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(path).constData()) != 0)
        throw unableToWrite(path);
}

} // namespace

void writeFileAtomically(const QString& path, const QByteArray& data)
{
    writeFileAtomically(path, [&](const QString& tempPath) {
        QFile file(tempPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()
            || !file.flush())
            throw unableToWrite(path);
        file.close();
    });
}

void writeFileAtomically(const QString& path, const std::function<void(const QString&)>& writer)
{
    const QString tempPath = tempPathBeside(path);
    try {
        writer(tempPath);
        const QFileInfo existing(path);
        if (existing.exists())
            QFile::setPermissions(tempPath, existing.permissions());
        else
            QFile::setPermissions(tempPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        commit(tempPath, path);
    } catch (...) {
        QFile::remove(tempPath);
        throw;
    }
}

void setBeforeCommitHookForTesting(std::function<void(const QString&)> hook)
{
    beforeCommitHook() = std::move(hook);
}

} // namespace morvane
