// Byte rules every subsystem shares: blanks (codes 0-32), trimming, case-blind ASCII comparison,
// percent escapes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace porvan {

inline bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

// Removes the bytes that `isTrimmed` accepts from both ends.
template <class TPredicate>
std::string_view TrimIf(std::string_view text, TPredicate isTrimmed) {
  while (!text.empty() && isTrimmed(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isTrimmed(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// Removes bytes 0-32 from both ends.
inline std::string_view TrimBlanks(std::string_view text) {
  return TrimIf(text, IsBlank);
}

// ASCII letters compared without case; other bytes as they are.
bool EqualsNoCase(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view text);

// Every byte for which `needsEscape` holds as "%" and two upper-case hexadecimal digits; the
// others as they are.
std::string PercentEscape(std::string_view text, bool (*needsEscape)(unsigned char byte));

// A decimal number: an optional "-" and one or more digits, nothing else. Values beyond the
// range of int64 are clamped to it, so a huge length still counts as huge.
std::optional<std::int64_t> ParseDecimal(std::string_view text);

}  // namespace porvan
