// Decimal numbers in texts that others wrote: strict, so a changed text never reads as a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace porvan {

// Digits only, no sign, no leading zero (except "0" itself), and a value that fits 64 bits.
std::optional<std::uint64_t> ParseUnsignedDecimal(std::string_view text);

}  // namespace porvan
