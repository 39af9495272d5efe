// Which file names a downloaded installer may be saved under.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace porvan {

// A plain file name that ends in one of `extensions` (any case) after at least one byte: no
// drive, ":" stream, "/" or "\", "..", control byte or character Windows refuses in a name, no
// name the system keeps for a device (CON, NUL, COM1 ... with or without an extension), no
// trailing blank or dot. Anything else could land outside the download folder or on a device
// instead of a file.
bool IsInstallerFileName(std::string_view name, const std::vector<std::string>& extensions);

}  // namespace porvan
