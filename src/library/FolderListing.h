#pragma once

#include <QString>
#include <QStringList>

namespace morvane {

// Ordinary files of a folder, in the file system's own order: folders and
// hidden files are skipped. `suffix` (e.g. "PNG") keeps only names ending
// in "." + suffix, letter case ignored, as a "*.PNG" search does.
QStringList listOrdinaryFiles(const QString& folder, const QString& suffix = QString());

// Joins a folder and a file name with exactly one separator.
QString joinPath(const QString& folder, const QString& name);

} // namespace morvane
