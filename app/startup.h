// Brings the program up: paths, settings, the main window, the event loop.
#pragma once

namespace optolune {

class TSDIAppForm;

// Reads the shell's setting into TempTablePath; called before the main window
// exists.
void loadShellSettings();

// Connects the main window's buttons to the windows they open.
void wireMainWindow(TSDIAppForm &form);

int runOptolune(int argc, char **argv);

} // namespace optolune
