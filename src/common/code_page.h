// Conversions between the system's code page 949 bytes, UTF-8 source literals and UTF-16.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/code_page_tables.h"

namespace porvan {

// Texts of the system are CP949 byte strings. Fixed texts are written once as UTF-8 literals
// in the source and pass through Utf8ToCp949 where they are used.
//
// A CP949 byte sequence that is not a valid character (a lone lead byte, a bad trail byte)
// becomes one U+FFFD for each such unit (a lead byte with its following byte, or one byte);
// a character CP949 cannot hold becomes "?".
std::u16string Cp949ToUtf16(std::string_view cp949);
std::string Utf16ToCp949(std::u16string_view utf16);
std::string Utf8ToCp949(std::string_view utf8);
std::string Cp949ToUtf8(std::string_view cp949);

// UTF-8 <-> UTF-16 needs no tables. Invalid UTF-8 becomes U+FFFD, a lone surrogate U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace porvan
