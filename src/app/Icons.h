#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace morvane {

// Makes the program's compiled-in pictures available (the ui library is
// static, so its resources are registered on first use). Safe to call often.
void ensureResources();

// An icon of the program: ":/icons/<name>.svg", or any resource path
// starting with ":/". Rendered at 16, 24 and 32 pixels.
QIcon programIcon(const QString& name);
// A resource picture rendered at the given size.
QPixmap renderPicture(const QString& resourcePath, const QSize& size);

} // namespace morvane
