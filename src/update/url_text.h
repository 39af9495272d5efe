// The URL text functions of the download component: root, directory and file-name part.
#pragma once

#include <string>
#include <string_view>

namespace porvan {

// Byte rules on the text as written; none of them parses or checks the URL.

// Up to and including the first "/" after the first byte that follows neither "/" nor ":"
// (the end of the host), with a "/" added when missing: http://host/a/b.exe gives http://host/.
std::string GetURLRoot(std::string_view URL);

// Up to and including the last "/", or the whole text without one, with a "/" added when
// missing: http://host/a/b.exe gives http://host/a/.
std::string GetURLDir(std::string_view URL);

// The text after the last "&", "/", "=" or "\": http://host/get.php?id=7&file=setup.exe gives
// setup.exe, http://host/a/ gives the empty text.
std::string GetURLFileName(std::string_view URL);

}  // namespace porvan
