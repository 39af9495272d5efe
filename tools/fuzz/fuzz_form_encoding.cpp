// Fuzz target: the form body of every request kind, with arbitrary values from callers.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "http/form_encoding.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// Undoes EncodeFieldValue; aborts on anything it could not have written.
std::string Decode(std::string_view encoded) {
  std::string decoded;
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    const auto byte = static_cast<unsigned char>(encoded[i]);
    if (byte == '%') {
      if (i + 2 >= encoded.size()) {
        std::abort();
      }
      const int high = HexDigit(encoded[i + 1]);
      const int low = HexDigit(encoded[i + 2]);
      if (high < 0 || low < 0) {
        std::abort();
      }
      decoded += static_cast<char>(high * 16 + low);
      i += 2;
    } else if (byte < 33 || byte > 128 ||
               std::string_view("#&*+;<=>[]").find(static_cast<char>(byte)) !=
                   std::string_view::npos) {
      std::abort();
    } else {
      decoded += static_cast<char>(byte);
    }
  }
  return decoded;
}

std::size_t Count(std::string_view text, char c) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

}  // namespace

// The first byte picks the request kind; then each value is a length byte and that many bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::vector<std::string>> kKinds = {
      {"mode=", "protocol=", "query="},
      {"mode=check_version&version="},
      {"mode=is_valid_domain&domain="},
      {"mode="},
  };
  if (size == 0) {
    return 0;
  }
  const std::vector<std::string>& fixed = kKinds[data[0] % kKinds.size()];
  std::size_t at = 1;
  std::vector<porvan::TFormLine> lines;
  for (const std::string& text : fixed) {
    const std::size_t length = at < size ? std::min<std::size_t>(data[at], size - at - 1) : 0;
    const std::string value(reinterpret_cast<const char*>(data) + std::min(at + 1, size), length);
    at += 1 + length;
    if (porvan::EncodeFieldValue(value).size() > 3 * value.size() ||
        Decode(porvan::EncodeFieldValue(value)) != value) {
      std::abort();
    }
    lines.emplace_back(text, value);
  }
  // No value can add a separator: exactly the fixed texts' own, and the "&" after each line.
  const std::string body = porvan::BuildFormBody(lines);
  std::size_t ampersands = lines.size() > 1 ? lines.size() : 0;
  std::size_t equals = 0;
  for (const std::string& text : fixed) {
    ampersands += Count(text, '&');
    equals += Count(text, '=');
  }
  if (Count(body, '&') != ampersands || Count(body, '=') != equals) {
    std::abort();
  }
  return 0;
}
