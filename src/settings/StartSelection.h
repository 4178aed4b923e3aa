#pragma once

#include <QString>

namespace morvane {

// The hair type a TypeButton setting names: the index of an exact hair type
// name, or of its Portuguese label (which earlier Portuguese installations
// stored in the file), or -1 when it names none.
int hairTypeIndexForSetting(const QString& typeButton);

} // namespace morvane
