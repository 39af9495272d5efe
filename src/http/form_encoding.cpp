// The form body of a post: field values escaped byte by byte, lines joined with "&".
#include "http/form_encoding.h"

#include "common/text_bytes.h"

namespace porvan {

namespace {

bool NeedsEscape(unsigned char byte) {
  // "&", "=", "+" and ";" would let a value add a field or change how the server splits it.
  constexpr std::string_view kReserved = " #%&*+;<=>[]";
  return byte < 33 || byte > 128 ||
         kReserved.find(static_cast<char>(byte)) != std::string_view::npos;
}

}  // namespace

TFormLine::TFormLine(std::string_view line) {
  const std::size_t equals = line.find('=');
  const std::size_t valueStart = equals == std::string_view::npos ? line.size() : equals + 1;
  Fixed = std::string(line.substr(0, valueStart));
  Value = std::string(line.substr(valueStart));
}

std::string EncodeFieldValue(std::string_view value) {
  return PercentEscape(value, NeedsEscape);
}

std::string BuildFormBody(const std::vector<TFormLine>& lines) {
  std::string body;
  for (const TFormLine& line : lines) {
    body += line.Fixed;
    body += EncodeFieldValue(line.Value);
    if (lines.size() > 1) {
      body += '&';
    }
  }
  return std::string(TrimBlanks(body));
}

}  // namespace porvan
