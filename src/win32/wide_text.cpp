// The Windows boundary: CP949 texts of the system to and from the W functions' UTF-16.
#include "win32/wide_text.h"

#include "common/code_page.h"

namespace porvan {

// wchar_t is UTF-16 on Windows, so the two string types hold the same units.
std::wstring Wide(std::string_view cp949) {
  std::u16string utf16 = Cp949ToUtf16(cp949);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string Narrow(std::wstring_view utf16) {
  return Utf16ToCp949(std::u16string(utf16.begin(), utf16.end()));
}

}  // namespace porvan
