// The tray hint's length rule, on the CP949 bytes of the hint.
#pragma once

#include <cstddef>
#include <string>

namespace porvan {

// The tray shows at most this many bytes of a hint.
inline constexpr std::size_t kTrayHintLimit = 127;

// The hint cut to the limit; a two-byte character that would be split is left out whole, so
// the tray never shows half a character.
std::string CutTrayHint(const std::string& hint);

}  // namespace porvan
