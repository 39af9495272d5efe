// The first steps of the program: creating SysVar, and the error report when that fails.
#pragma once

namespace porvan {

struct TPlatform;

// Creates the one SysVar. When that fails (the settings file cannot be written, a system library
// cannot be loaded), shows the error report (application title, error icon) and returns false:
// the program must end before any window.
bool CreateSysVar(TPlatform& platform);

// Destroys SysVar after the message loop has ended.
void DestroySysVar();

}  // namespace porvan
