#pragma once

#include <functional>

class QWidget;

namespace morvane {

class Dialogs;

// Runs one event handler. A failure abandons the rest of the handler and
// is shown in the default error box; the program carries on.
// Returns false when the handler failed.
bool guarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& handler);

} // namespace morvane
