// Expiry dates of cookies, as servers write them.
#include "http/cookie_date.h"

#include <array>
#include <string>

#include "common/text_bytes.h"

namespace porvan {

namespace {

constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2200;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsAlnum(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Digits only, at most `maxDigits` of them.
std::optional<int> SmallNumber(std::string_view token, std::size_t maxDigits) {
  if (token.empty() || token.size() > maxDigits) {
    return std::nullopt;
  }
  int value = 0;
  for (const char c : token) {
    if (!IsDigit(c)) {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<int> MonthNumber(std::string_view token) {
  constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                        "jul", "aug", "sep", "oct", "nov", "dec"};
  if (token.size() < 3) {
    return std::nullopt;
  }
  const std::string prefix = LowerAscii(token.substr(0, 3));
  for (std::size_t i = 0; i < kMonths.size(); ++i) {
    if (prefix == kMonths[i]) {
      return static_cast<int>(i) + 1;
    }
  }
  return std::nullopt;
}

struct TTimeOfDay {
  int Hour;
  int Minute;
  int Second;
};

std::optional<TTimeOfDay> TimeOfDay(std::string_view token) {
  const std::size_t first = token.find(':');
  const std::size_t second = token.find(':', first + 1);
  if (first == std::string_view::npos || second == std::string_view::npos) {
    return std::nullopt;
  }
  const auto hour = SmallNumber(token.substr(0, first), 2);
  const auto minute = SmallNumber(token.substr(first + 1, second - first - 1), 2);
  const auto secondValue = SmallNumber(token.substr(second + 1), 2);
  if (!hour || !minute || !secondValue || *hour > 23 || *minute > 59 || *secondValue > 59) {
    return std::nullopt;
  }
  return TTimeOfDay{*hour, *minute, *secondValue};
}

}  // namespace

std::optional<std::chrono::system_clock::time_point> ParseCookieDate(std::string_view text) {
  std::optional<TTimeOfDay> time;
  std::optional<int> day;
  std::optional<int> month;
  std::optional<int> year;
  std::size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && !IsAlnum(text[pos]) && text[pos] != ':') {
      ++pos;
    }
    std::size_t end = pos;
    while (end < text.size() && (IsAlnum(text[end]) || text[end] == ':')) {
      ++end;
    }
    const std::string_view token = text.substr(pos, end - pos);
    pos = end;
    if (token.empty()) {
      continue;
    }
    if (!time && (time = TimeOfDay(token))) {
      continue;
    }
    if (!day && (day = SmallNumber(token, 2))) {
      continue;
    }
    if (!month && (month = MonthNumber(token))) {
      continue;
    }
    if (!year && token.size() != 3 && (year = SmallNumber(token, 4)) && token.size() <= 2) {
      *year += *year < 70 ? 2000 : 1900;
    }
  }
  if (!time || !day || !month || !year) {
    return std::nullopt;
  }
  using namespace std::chrono;
  const year_month_day date{std::chrono::year{*year},
                            std::chrono::month{static_cast<unsigned>(*month)},
                            std::chrono::day{static_cast<unsigned>(*day)}};
  if (!date.ok()) {
    return std::nullopt;
  }
  // The clock cannot hold every year: far dates still mean "long gone" or "not for ages".
  if (*year < kFirstYear) {
    return system_clock::time_point{};
  }
  if (*year > kLastYear) {
    return system_clock::time_point::max();
  }
  return time_point_cast<system_clock::duration>(sys_days{date} + hours{time->Hour} +
                                                 minutes{time->Minute} + seconds{time->Second});
}

}  // namespace porvan
