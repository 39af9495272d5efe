// The first steps of the program: creating SysVar, and the error report when that fails.
#pragma once

namespace porvan {

struct TPlatform;

// Creates the one SysVar. When the settings file cannot be written, shows the error report
// (application title, error icon) and returns false: the program must end before any window.
bool CreateSysVar(TPlatform& platform);

// Destroys SysVar after the message loop has ended.
void DestroySysVar();

}  // namespace porvan
