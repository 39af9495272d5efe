// The cookies that replies have set, kept in memory for one client and sent back where they apply.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace porvan {

struct TCookie {
  std::string Name;
  std::string Value;
  std::string Domain;  // lower case, no leading "."
  std::string Path;
  std::optional<std::chrono::system_clock::time_point> Expires;  // none: for the instance's life
  bool Secure = false;
};

class TCookieStore {
 public:
  using TimePoint = std::chrono::system_clock::time_point;

  // A hostile server could set cookies on every reply; the oldest go first beyond this.
  static constexpr std::size_t kMaxCookies = 100;
  // A cookie whose name and value together are longer than this is refused.
  static constexpr std::size_t kMaxCookieBytes = 4096;
  // The "Cookie" value never grows beyond this; cookies that would pass it are left out.
  static constexpr std::size_t kMaxHeaderBytes = 8192;

  // Stores the cookies of one "Set-Cookie" value (one cookie) or "Set-Cookie2" value (a
  // comma-separated list), received from `host` for a request to `requestPath`. A cookie without
  // a domain takes the host; one whose domain the host does not belong to, or whose domain is a
  // single label other than the host ("com"), is refused, and so is one beyond kMaxCookieBytes.
  // A cookie replaces the stored one of the same name, domain and path.
  void StoreSetCookie(std::string_view value, std::string_view host, std::string_view requestPath,
                      TimePoint now);
  void StoreSetCookie2(std::string_view value, std::string_view host, std::string_view requestPath,
                       TimePoint now);

  // Forgets the cookies whose expiry time has passed.
  void DropExpired(TimePoint now);

  // "name=value; name=value" of the cookies for this host and path that are not secure, the
  // longer paths first, at most kMaxHeaderBytes long; empty when none applies.
  std::string CookieHeader(std::string_view host, std::string_view path) const;

  const std::vector<TCookie>& Cookies() const { return cookies_; }

 private:
  void Store(std::string_view text, std::string_view host, std::string_view requestPath,
             TimePoint now);

  std::vector<TCookie> cookies_;  // oldest first
};

// The host is the domain or lies under it ("www.example.com" under "example.com").
bool DomainMatches(std::string_view host, std::string_view domain);

// The request path is the cookie's path or lies under it on a "/" boundary ("/p" covers "/p/x"
// but not "/px").
bool PathMatches(std::string_view requestPath, std::string_view cookiePath);

}  // namespace porvan
