// The text that names a running instance: its process number, its start and, where the start
// is counted from the boot, which boot.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace porvan {

struct TInstanceToken {
  std::uint64_t Process = 0;
  std::uint64_t Started = 0;
  std::string Boot;  // empty where the start time is absolute

  bool operator==(const TInstanceToken&) const = default;
};

// "<process>-<started>" or "<process>-<started>-<boot>".
std::string FormatInstanceToken(const TInstanceToken& token);

// Decimal numbers without sign or leading zeros that fit 64 bits; a boot of letters, digits and
// "-". Anything else, or more than IInstances::kInstanceTokenLimit bytes, gives nothing.
std::optional<TInstanceToken> ParseInstanceToken(std::string_view text);

}  // namespace porvan
