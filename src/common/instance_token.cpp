// The text that names a running instance.
#include "common/instance_token.h"

#include <algorithm>

#include "common/decimal.h"
#include "platform/instances.h"

namespace porvan {
namespace {

bool IsBootText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
  });
}

}  // namespace

std::string FormatInstanceToken(const TInstanceToken& token) {
  std::string text = std::to_string(token.Process) + "-" + std::to_string(token.Started);
  if (!token.Boot.empty()) {
    text += "-" + token.Boot;
  }
  return text;
}

std::optional<TInstanceToken> ParseInstanceToken(std::string_view text) {
  if (text.size() > IInstances::kInstanceTokenLimit) {
    return std::nullopt;
  }
  const std::size_t first = text.find('-');
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  const std::size_t second = text.find('-', first + 1);
  const std::string_view boot =
      second == std::string_view::npos ? std::string_view() : text.substr(second + 1);
  if (second != std::string_view::npos && (boot.empty() || !IsBootText(boot))) {
    return std::nullopt;
  }
  const std::optional<std::uint64_t> process = ParseUnsignedDecimal(text.substr(0, first));
  const std::optional<std::uint64_t> started = ParseUnsignedDecimal(
      text.substr(first + 1, second == std::string_view::npos ? second : second - first - 1));
  if (!process || !started) {
    return std::nullopt;
  }
  return TInstanceToken{*process, *started, std::string(boot)};
}

}  // namespace porvan
