// File-system paths: their own type, kept apart from the system's CP949 texts.
#pragma once

#include <filesystem>

namespace porvan {

// A path as the file system names it: UTF-16 on Windows, bytes (UTF-8) elsewhere, so any name
// the system can hold reaches the call that uses it unchanged. Portable code makes one only
// through the functions of common/path_text.h and reads one back only as UTF-8: a path made from a
// plain char string would be read in the ANSI code page by some compilers.
using TPath = std::filesystem::path;

// What stands between a folder and a name in a path: a backslash on Windows, "/" elsewhere.
inline constexpr char kPathSeparator = static_cast<char>(TPath::preferred_separator);

}  // namespace porvan
