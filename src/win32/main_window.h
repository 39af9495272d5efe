// The main window of the program, shown until the user closes it.
#pragma once

#include <windows.h>

#include <string>

namespace porvan {

// Creates the main window with the application title, runs the message loop until the window
// is closed, and returns the exit code of the loop.
int RunMainWindow(HINSTANCE instance, const std::string& title, int showCommand);

}  // namespace porvan
