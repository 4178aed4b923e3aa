#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace morvane {

struct LoadedThumbnail {
    QString path;
    QImage image; // null when the file could not be decoded
};

// Decodes the files for thumbnails, JPEGs at a reduced DCT scale whose
// longer side is at least `minSide`, spread over `threads` threads
// (0: one per core) while the caller waits. `keep`, when given, runs in
// the same worker first and drops a file for which it returns false.
// The result keeps the order of `paths`; failures never throw.
std::vector<LoadedThumbnail> loadThumbnails(const QStringList& paths, int minSide, int threads = 0,
                                            const std::function<bool(const QString&)>& keep = {});

} // namespace morvane
