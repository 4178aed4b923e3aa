#pragma once

#include <QString>

#include <optional>

namespace morvane {

class VolumeProvider;

// The camera's picture folder: "DCIM" at the root of the first removable
// volume. Nothing when there is no removable volume or the first one has
// no DCIM folder.
std::optional<QString> findCameraFolder(const VolumeProvider& volumes);

// Where a photo named `fileName` is copied in the photos folder: that
// name while it is free, else "name (2).ext", "name (3).ext" ... so the
// extension stays and no earlier copy is overwritten.
QString transferTarget(const QString& photosFolder, const QString& fileName);

// Copies the photo byte for byte into the photos folder under
// transferTarget's name, through a temporary file renamed into place.
// Returns the new file's path. Throws Error "Cannot open file "<source>".
// <reason>" or "Cannot create file "<target>". <reason>".
QString transferPhoto(const QString& sourcePath, const QString& photosFolder);

} // namespace morvane
