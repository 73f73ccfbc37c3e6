// Brings the program up: paths, settings, the main window, the event loop.
#pragma once

#include <QString>
#include <functional>

namespace optolune {

class MainWindow;

// Reads the shell's setting: the path of the table window's tmp table, empty
// when there is none. Called before the main window exists.
QString loadShellSettings();

// Runs the program. `wire` connects the main window's buttons to the
// windows they open (the executable knows every window library).
int runOptolune(int argc, char **argv, const std::function<void(MainWindow &)> &wire);

} // namespace optolune
