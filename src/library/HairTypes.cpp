#include "library/HairTypes.h"

namespace morvane {

const QStringList& styleGroupNames()
{
    static const QStringList names{
        QStringLiteral("Styles1"), QStringLiteral("Styles2"), QStringLiteral("Styles3"),
        QStringLiteral("Styles4"), QStringLiteral("Styles5"), QStringLiteral("Styles6"),
        QStringLiteral("Styles7"), QStringLiteral("User")};
    return names;
}

bool isStyleGroupName(const QString& name)
{
    return styleGroupNames().contains(name, Qt::CaseSensitive);
}

const QStringList& hairTypeNames()
{
    static const QStringList names{
        QStringLiteral("Short and Light"), QStringLiteral("Short and Dark"),
        QStringLiteral("Medium and Light"), QStringLiteral("Medium and Dark"),
        QStringLiteral("Long and Light"),   QStringLiteral("Long and Dark"),
        QStringLiteral("For Men")};
    return names;
}

int hairTypeIndex(const QString& name)
{
    return hairTypeNames().indexOf(name);
}

const QStringList& hairTypeLabelsPortuguese()
{
    static const QStringList labels{
        QStringLiteral("Curtos e Claros"),  QStringLiteral("Curtos e Escuros"),
        QStringLiteral("Médios e Claros"),  QStringLiteral("Médios e Escuros"),
        QStringLiteral("Longos e Claros"),  QStringLiteral("Longos e Escuros"),
        QStringLiteral("Masculinos")};
    return labels;
}

} // namespace morvane
