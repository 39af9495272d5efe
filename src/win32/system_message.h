// The system's own text for an error code, for error boxes.
#pragma once

#include <windows.h>

#include <string>

namespace porvan {

// CP949, without the trailing line break; empty when the system has no text for the code.
std::string SystemMessage(HRESULT code);

}  // namespace porvan
