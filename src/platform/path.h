// File-system paths: their own type, kept apart from the system's CP949 texts.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace porvan {

// A path as the file system names it: UTF-16 on Windows, bytes (UTF-8) elsewhere, so any name
// the system can hold reaches the call that uses it unchanged. Portable code makes one only
// through the functions below and reads one back only as UTF-8: a path made from a plain char
// string would be read in the ANSI code page by some compilers.
using TPath = std::filesystem::path;

// What stands between a folder and a name in a path: a backslash on Windows, "/" elsewhere.
inline constexpr char kPathSeparator = static_cast<char>(TPath::preferred_separator);

TPath PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const TPath& path);

// The path with `utf8` appended to its last name: "a.journal" + ".lock".
TPath PathWithSuffix(const TPath& path, std::string_view utf8);

// The one edge where a CP949 settings value (a client program's path) becomes a path.
TPath PathFromCp949(std::string_view cp949);

// The path as a CP949 settings value; nothing when CP949 cannot hold one of its characters,
// since a "?" in its place would name some other file.
std::optional<std::string> PathToCp949(const TPath& path);

// The path for a CP949 text that only shows it (a notice): a character CP949 lacks shows as "?".
std::string PathDisplayText(const TPath& path);

}  // namespace porvan
