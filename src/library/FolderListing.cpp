#include "library/FolderListing.h"

#include <QDir>

namespace morvane {

QStringList listOrdinaryFiles(const QString& folder, const QString& suffix)
{
    if (folder.isEmpty())
        return {};
    QDir dir(folder);
    dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Unsorted);
    QStringList names = dir.entryList();
    if (!suffix.isEmpty()) {
        const QString ending = QLatin1Char('.') + suffix;
        names.erase(std::remove_if(names.begin(), names.end(),
                                   [&](const QString& name) {
                                       return !name.endsWith(ending, Qt::CaseInsensitive);
                                   }),
                    names.end());
    }
    return names;
}

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace morvane
