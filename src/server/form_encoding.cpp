// The form body of a post: field values escaped byte by byte, lines joined with "&".
#include "server/form_encoding.h"

#include "common/text_bytes.h"

namespace porvan {

namespace {

bool NeedsEscape(unsigned char byte) {
  constexpr std::string_view kReserved = " #%*<>[]";
  return byte < 33 || byte > 128 ||
         kReserved.find(static_cast<char>(byte)) != std::string_view::npos;
}

}  // namespace

std::string EncodeFieldValue(std::string_view value) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(value.size());
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (NeedsEscape(byte)) {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    } else {
      encoded += c;
    }
  }
  return encoded;
}

std::string BuildFormBody(const std::vector<std::string>& lines) {
  std::string body;
  for (const std::string& line : lines) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
      body += line;
    } else {
      body.append(line, 0, equals + 1);
      body += EncodeFieldValue(std::string_view(line).substr(equals + 1));
    }
    if (lines.size() > 1) {
      body += '&';
    }
  }
  return std::string(TrimBlanks(body));
}

}  // namespace porvan
