// Brings the program up: paths, settings, the main window, the event loop.
#pragma once

#include <functional>

namespace optolune {

class MainWindow;

// Reads the shell's setting into TempTablePath; called before the main window
// exists.
void loadShellSettings();

// Runs the program. `wire` connects the main window's buttons to the
// windows they open (the executable knows every window library).
int runOptolune(int argc, char **argv, const std::function<void(MainWindow &)> &wire);

} // namespace optolune
