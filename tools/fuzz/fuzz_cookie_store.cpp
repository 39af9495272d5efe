// Fuzz target: the cookie store fed arbitrary "Set-Cookie" and "Set-Cookie2" values.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "http/cookie_store.h"

namespace {

bool HasLineByte(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) {
      return true;
    }
  }
  return false;
}

}  // namespace

// The first byte picks the host and path; each following line is one header value, stored as
// "Set-Cookie" or "Set-Cookie2" by its first byte's lowest bit.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const char* const kHosts[] = {"www.example.com", "localhost", "127.0.0.1", "a.b.example"};
  static const char* const kPaths[] = {"/", "/p/", "/p/x.php", "/px"};
  if (size == 0) {
    return 0;
  }
  const std::string host = kHosts[data[0] % 4];
  const std::string path = kPaths[(data[0] >> 2) % 4];
  const auto now = std::chrono::system_clock::time_point{} + std::chrono::hours(24 * 365 * 54);
  porvan::TCookieStore store;
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  while (!rest.empty()) {
    const std::string_view value = rest.substr(0, rest.find('\n'));
    rest.remove_prefix(std::min(rest.size(), value.size() + 1));
    if (!value.empty() && (value.front() & 1) != 0) {
      store.StoreSetCookie2(value, host, path, now);
    } else {
      store.StoreSetCookie(value, host, path, now);
    }
  }
  if (store.Cookies().size() > porvan::TCookieStore::kMaxCookies) {
    std::abort();
  }
  for (const porvan::TCookie& cookie : store.Cookies()) {
    const bool oneLabelOtherThanHost =
        cookie.Domain.find('.') == std::string::npos && cookie.Domain != host;
    if (cookie.Name.empty() || HasLineByte(cookie.Name) || HasLineByte(cookie.Value) ||
        cookie.Name.size() + cookie.Value.size() > porvan::TCookieStore::kMaxCookieBytes ||
        !porvan::DomainMatches(host, cookie.Domain) || oneLabelOtherThanHost ||
        cookie.Path.empty() || cookie.Path.front() != '/') {
      std::abort();
    }
  }
  for (const auto when : {now, now + std::chrono::hours(24 * 365 * 200)}) {
    store.DropExpired(when);
    const std::string header = store.CookieHeader(host, path);
    if (header.size() > porvan::TCookieStore::kMaxHeaderBytes || HasLineByte(header)) {
      std::abort();
    }
  }
  return 0;
}
