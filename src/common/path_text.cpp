// File-system paths to and from UTF-8 and the system's CP949 texts, and their fit in a buffer.
#include "common/path_text.h"

#include "common/code_page.h"

namespace porvan {

TPath PathFromUtf8(std::string_view utf8) {
  return TPath(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const TPath& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

TPath PathWithSuffix(const TPath& path, std::string_view utf8) {
  return PathFromUtf8(PathToUtf8(path).append(utf8));
}

TPath PathFromCp949(std::string_view cp949) {
  return PathFromUtf8(Cp949ToUtf8(cp949));
}

std::optional<std::string> PathToCp949(const TPath& path) {
  return EncodeCp949Strict(Utf8ToUtf16(PathToUtf8(path)));
}

std::string PathDisplayText(const TPath& path) {
  return Utf8ToCp949(PathToUtf8(path));
}

TPath PathIfItFits(const TPath& path, std::uint32_t bufferLength) {
  return path.native().size() < bufferLength ? path : TPath();
}

}  // namespace porvan
