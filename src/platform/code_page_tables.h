// The CP949 tables every platform links: its own converters, which the portable conversions use.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace porvan {

// The platform's converters (Windows: code page 949 API; elsewhere: iconv). They convert the
// whole text or report failure; the conversions in common/code_page.h handle the invalid parts.
std::optional<std::u16string> DecodeCp949Strict(std::string_view cp949);
std::optional<std::string> EncodeCp949Strict(std::u16string_view utf16);

}  // namespace porvan
