// The tray hint's length rule, on the CP949 bytes of the hint.
#include "app/tray_hint.h"

namespace porvan {
namespace {

bool IsLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}

}  // namespace

std::string CutTrayHint(const std::string& hint) {
  std::size_t end = 0;
  while (end < hint.size()) {
    const std::size_t width = IsLeadByte(hint[end]) && end + 1 < hint.size() ? 2 : 1;
    if (end + width > kTrayHintLimit) {
      break;
    }
    end += width;
  }
  return hint.substr(0, end);
}

}  // namespace porvan
