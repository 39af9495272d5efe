// The Windows boundary: CP949 texts of the system to and from the W functions' UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace porvan {

std::wstring Wide(std::string_view cp949);
std::string Narrow(std::wstring_view utf16);

}  // namespace porvan
