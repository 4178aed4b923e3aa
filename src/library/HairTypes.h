#pragma once

#include <QString>
#include <QStringList>

namespace morvane {

// The eight style groups, in button order: "Styles1" ... "Styles7", "User".
const QStringList& styleGroupNames();
bool isStyleGroupName(const QString& name); // exact, letter case counts

// The seven hair types, in index order; they are folder names and stay
// English in both interface languages.
const QStringList& hairTypeNames();
// Index 0..6 of an exact hair type name, or -1.
int hairTypeIndex(const QString& name);
// Portuguese labels shown as hints in the Portuguese interface, by index.
const QStringList& hairTypeLabelsPortuguese();

} // namespace morvane
