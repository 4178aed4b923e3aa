#pragma once

namespace morvane {

// The application's mouse cursor as one setting, hourglass or normal:
// setting it twice needs only one reset, and a reset when it is normal
// does nothing.
void showWaitCursor();
void showNormalCursor();
bool waitCursorShown();

// The hourglass for the length of one command, also when it fails.
struct WaitCursorScope {
    WaitCursorScope() { showWaitCursor(); }
    ~WaitCursorScope() { showNormalCursor(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
};

} // namespace morvane
