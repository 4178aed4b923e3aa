#include "platform/Guard.h"

#include "common/Error.h"
#include "platform/Dialogs.h"

#include <new>

namespace morvane {

bool guarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const Error& error) {
        dialogs.errorBox(parent, error.message());
    } catch (const std::bad_alloc&) {
        dialogs.errorBox(parent, QStringLiteral("Out of memory"));
    }
    return false;
}

} // namespace morvane
