#pragma once

#include "library/ContentPaths.h"

#include <QStringList>

namespace morvane {

// The hairstyle files of one style group and hair type, as a "*.PNG"
// search finds them: ordinary files, in the file system's order, kept only
// when their extension belongs to a registered image format.
QStringList listHairstyleFiles(const ContentPaths& paths, const QString& styleGroup,
                               const QString& hairType);

// The files of a photo folder whose content is of the format their
// extension names (full verification), in the file system's order.
QStringList listPhotoCandidates(const QString& folder);

} // namespace morvane
