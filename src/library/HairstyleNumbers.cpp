#include "library/HairstyleNumbers.h"

namespace morvane {

QString hairstyleCaption(const QString& fileName)
{
    return fileName.left(qMax(0, fileName.size() - 4));
}

QString hairstyleNumberOfFileName(const QString& fileName)
{
    if (fileName.size() >= 2 && fileName.at(1) == QLatin1Char('.'))
        return fileName.left(1);
    return hairstyleCaption(fileName);
}

} // namespace morvane
