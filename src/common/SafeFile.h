#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace morvane {

// Writes a whole file through a temporary file in the same folder that is
// renamed into place only when everything was written, so an interrupted
// write leaves the earlier file as it was. Throws Error on failure with
// "Unable to write to <path>".
void writeFileAtomically(const QString& path, const QByteArray& data);

// The same, for writers that stream their output: the callback receives the
// temporary file's path and writes it completely (throwing on failure).
void writeFileAtomically(const QString& path,
                         const std::function<void(const QString& tempPath)>& writer);

// Test hook: when set, it runs after the temporary file is complete and
// before it is renamed; throwing from it simulates an interrupted write.
void setBeforeCommitHookForTesting(std::function<void(const QString& path)> hook);

} // namespace morvane
