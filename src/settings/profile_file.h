// The profile-file (INI) rules, on the bytes of a file: what a read finds and what a write leaves.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace porvan {

// The longest value a read returns, in bytes.
inline constexpr std::size_t kProfileValueLimit = 2047;

// The value of `key` in `section`: names compare without case, the first matching section and
// key count, blanks around the value are dropped, one pair of matching double or single quotes
// around it is removed, and at most kProfileValueLimit bytes are returned. Missing reads empty.
std::string ReadProfileValue(std::string_view file, std::string_view section, std::string_view key);

// The file after storing `key=value` in `section`: an existing key's line is replaced (keeping
// the name as the file spells it), a missing key is added after the section's last line, a
// missing section is added at the end. Every other byte of the file stays as it was; new lines
// take the file's own line end.
std::string WriteProfileValue(std::string_view file, std::string_view section, std::string_view key,
                              std::string_view value);

}  // namespace porvan
