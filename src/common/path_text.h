// File-system paths to and from UTF-8 and the system's CP949 texts, and the fit of a path in a
// platform's buffer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/path.h"

namespace porvan {

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

// `path` when it fits a buffer of `bufferLength` units with its NUL, else an empty path.
TPath PathIfItFits(const TPath& path, std::uint32_t bufferLength);

}  // namespace porvan
