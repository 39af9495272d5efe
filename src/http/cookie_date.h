// Expiry dates of cookies, as servers write them.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace porvan {

// Reads "Sun, 06 Nov 1994 08:49:37 GMT", "Sunday, 06-Nov-94 08:49:37 GMT" and "Sun Nov  6
// 08:49:37 1994" alike: the time, the day, the month's name and the year in any order, GMT.
// Nothing when a part is missing or out of range.
std::optional<std::chrono::system_clock::time_point> ParseCookieDate(std::string_view text);

}  // namespace porvan
