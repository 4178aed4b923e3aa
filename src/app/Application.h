#pragma once

namespace morvane {

// Program entry: sets up the application object and the windows, runs the
// event loop and returns its exit code.
int runApplication(int argc, char* argv[]);

} // namespace morvane
