#include "library/HairstyleCatalogue.h"

#include "imaging/ImageIO.h"
#include "library/FolderListing.h"

namespace morvane {

QStringList listHairstyleFiles(const ContentPaths& paths, const QString& styleGroup,
                               const QString& hairType)
{
    if (styleGroup.isEmpty() || hairType.isEmpty())
        return {};
    const QString folder = resolveIgnoringCase(paths.hairTypeFolder(styleGroup, hairType));
    QStringList files;
    for (const QString& name : listOrdinaryFiles(folder, QStringLiteral("PNG"))) {
        if (imaging::hasRegisteredExtension(name))
            files.append(joinPath(folder, name));
    }
    return files;
}

QStringList listPhotoCandidates(const QString& folder)
{
    QStringList files;
    for (const QString& name : listOrdinaryFiles(folder)) {
        if (imaging::hasRegisteredExtension(name))
            files.append(joinPath(folder, name));
    }
    return files;
}

} // namespace morvane
