// Fuzz target: URL parts and the request head built from them, on arbitrary URLs.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "http/request_head.h"
#include "http/url_parts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view url(reinterpret_cast<const char*>(data), size);
  const porvan::TSplitUrl split = porvan::SplitUrl(url);
  if (split.Status != porvan::TUrlStatus::Ok) {
    return 0;
  }
  const porvan::TUrlParts& parts = split.Parts;
  if (parts.Target().empty() || parts.Target().front() != '/' || parts.Host.empty() ||
      parts.ConnectPort() == "0") {
    std::abort();
  }
  // Nothing raw in the request line that a server or proxy could read two ways.
  const std::string target = parts.Target();
  const bool rawByte = std::any_of(target.begin(), target.end(), [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || static_cast<unsigned char>(c) >= 0x7F;
  });
  if (rawByte || parts.Host.find_first_of(" \\") != std::string::npos) {
    std::abort();
  }
  // No URL may add a line to the head: exactly the request line, six headers and the empty line.
  const std::string head = porvan::BuildPostHead(parts, 0, "UA", "");
  const auto lineEnds = std::count(head.begin(), head.end(), '\n');
  const auto returns = std::count(head.begin(), head.end(), '\r');
  if (lineEnds != 8 || returns != 8) {
    std::abort();
  }
  return 0;
}
