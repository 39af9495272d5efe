// Which URLs the download may fetch, and which redirects it may follow.
#include "update/url_scheme.h"

#include <optional>

#include "common/text_bytes.h"

namespace porvan {

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsSchemeByte(char c) {
  return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// The scheme a reference names: a letter, then letters, digits, "+", "-" or ".", then ":".
// "C:\x" names the scheme "C"; "setup.exe" and "/dl/a:b.exe" name none.
std::optional<std::string_view> SchemeOf(std::string_view reference) {
  const std::size_t colon = reference.find(':');
  if (colon == std::string_view::npos || colon == 0 || !IsAsciiLetter(reference.front())) {
    return std::nullopt;
  }
  const std::string_view scheme = reference.substr(0, colon);
  for (const char c : scheme) {
    if (!IsSchemeByte(c)) {
      return std::nullopt;
    }
  }
  return scheme;
}

bool IsSecure(std::string_view url) {
  const std::optional<std::string_view> scheme = SchemeOf(url);
  return scheme && EqualsNoCase(*scheme, "https");
}

}  // namespace

bool IsFetchableUrl(std::string_view url) {
  return EqualsNoCase(url.substr(0, 7), "http://") || EqualsNoCase(url.substr(0, 8), "https://");
}

TRedirectVerdict JudgeRedirect(std::string_view url, std::string_view location) {
  const std::optional<std::string_view> scheme = SchemeOf(location);
  if (!scheme) {
    return TRedirectVerdict::Allowed;  // relative: the scheme of `url` goes on
  }
  if (!EqualsNoCase(*scheme, "http") && !EqualsNoCase(*scheme, "https")) {
    return TRedirectVerdict::OtherScheme;
  }
  if (IsSecure(url) && !EqualsNoCase(*scheme, "https")) {
    return TRedirectVerdict::Downgrade;
  }
  return TRedirectVerdict::Allowed;
}

}  // namespace porvan
