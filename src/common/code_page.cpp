// Conversions between CP949 bytes, UTF-8 and UTF-16; the platform supplies the CP949 tables.
#include "common/code_page.h"

namespace porvan {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool IsLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

// One character's worth of bytes: a lead byte with its follower, or a single byte.
std::size_t Cp949UnitLength(std::string_view text, std::size_t at) {
  return (IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size()) ? 2 : 1;
}

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

void AppendUtf16(std::u16string& out, char32_t code) {
  if (code < 0x10000) {
    out.push_back(static_cast<char16_t>(code));
  } else {
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
  }
}

// Decodes one UTF-8 sequence at `at`; an invalid one yields U+FFFD and consumes one byte.
char32_t NextUtf8(std::string_view text, std::size_t& at) {
  auto byte = static_cast<unsigned char>(text[at]);
  // 0xF5 and above lead nothing: taken for a lead of three, they made a character of their own.
  std::size_t length = byte < 0x80    ? 1
                       : byte >= 0xF5 ? 0
                       : byte >= 0xF0 ? 4
                       : byte >= 0xE0 ? 3
                       : byte >= 0xC2 ? 2
                                      : 0;
  if (length == 1) {
    ++at;
    return byte;
  }
  if (length == 0 || at + length > text.size()) {
    ++at;
    return kReplacement;
  }
  char32_t code = byte & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    auto follower = static_cast<unsigned char>(text[at + i]);
    if ((follower & 0xC0) != 0x80) {
      ++at;
      return kReplacement;
    }
    code = (code << 6) | (follower & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    ++at;
    return kReplacement;
  }
  at += length;
  return code;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  for (std::size_t at = 0; at < utf8.size();) {
    AppendUtf16(out, NextUtf8(utf8, at));
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char16_t unit = utf16[i];
    if (IsHighSurrogate(unit) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::u16string Cp949ToUtf16(std::string_view cp949) {
  if (auto whole = DecodeCp949Strict(cp949)) {
    return *whole;
  }
  std::u16string out;
  for (std::size_t at = 0; at < cp949.size();) {
    std::size_t length = Cp949UnitLength(cp949, at);
    auto unit = DecodeCp949Strict(cp949.substr(at, length));
    if (unit) {
      out += *unit;
    } else {
      out.push_back(kReplacement);
    }
    at += length;
  }
  return out;
}

std::string Utf16ToCp949(std::u16string_view utf16) {
  if (auto whole = EncodeCp949Strict(utf16)) {
    return *whole;
  }
  std::string out;
  for (std::size_t i = 0; i < utf16.size();) {
    std::size_t length =
        (IsHighSurrogate(utf16[i]) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) ? 2 : 1;
    auto unit = EncodeCp949Strict(utf16.substr(i, length));
    out += unit ? *unit : std::string("?");
    i += length;
  }
  return out;
}

std::string Utf8ToCp949(std::string_view utf8) {
  return Utf16ToCp949(Utf8ToUtf16(utf8));
}

std::string Cp949ToUtf8(std::string_view cp949) {
  return Utf16ToUtf8(Cp949ToUtf16(cp949));
}

}  // namespace porvan
