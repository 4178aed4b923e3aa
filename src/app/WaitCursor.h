#pragma once

namespace morvane {

// The application's mouse cursor as one setting, hourglass or normal:
// setting it twice needs only one reset, and a reset when it is normal
// does nothing.
void showWaitCursor();
void showNormalCursor();
bool waitCursorShown();

} // namespace morvane
