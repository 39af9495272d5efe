// The form body of a post: field values escaped byte by byte, lines joined with "&".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace porvan {

// Escapes space # % * < > [ ], bytes below 33 and above 128 as "%XX"; copies every other byte,
// so "&", "=" and 0x80 pass unchanged and a line may carry several form fields.
std::string EncodeFieldValue(std::string_view value);

// Each "name=value" line with its value encoded; two or more lines each end with "&" (the last
// included), one line stands alone; bytes 0-32 are trimmed from both ends of the result.
std::string BuildFormBody(const std::vector<std::string>& lines);

}  // namespace porvan
