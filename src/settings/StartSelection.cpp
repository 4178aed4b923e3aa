#include "settings/StartSelection.h"

#include "library/HairTypes.h"

namespace morvane {

int hairTypeIndexForSetting(const QString& typeButton)
{
    const int index = hairTypeIndex(typeButton);
    if (index >= 0)
        return index;
    return hairTypeLabelsPortuguese().indexOf(typeButton);
}

} // namespace morvane
