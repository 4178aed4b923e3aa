#include "platform/Dialogs.h"

namespace morvane {

Dialogs::~Dialogs() = default;

QString errorBoxText(const QString& message)
{
    if (message.endsWith(QLatin1Char('.')))
        return message;
    return message + QLatin1Char('.');
}

void Dialogs::errorBox(QWidget* parent, const QString& message)
{
    showErrorBox(parent, errorBoxText(message));
}

} // namespace morvane
