// The cookies that replies have set, kept in memory for one client and sent back where they apply.
#include "http/cookie_store.h"

#include <algorithm>

#include "common/text_bytes.h"
#include "http/cookie_date.h"

namespace porvan {

namespace {

// A longer Max-Age than this is taken as this, which keeps the clock's arithmetic in range.
constexpr std::int64_t kMaxAgeSeconds = std::int64_t{100} * 365 * 24 * 60 * 60;

bool HasControlByte(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 32 || byte == 127;
  });
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Splits at `separator`, except inside double quotes.
std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') {
      quoted = !quoted;
    } else if (text[i] == separator && !quoted) {
      pieces.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

struct TAttribute {
  std::string Name;  // lower case
  std::string_view Value;
};

TAttribute SplitAttribute(std::string_view piece) {
  const std::size_t equals = piece.find('=');
  const std::string_view name = TrimBlanks(piece.substr(0, equals));
  const std::string_view value =
      equals == std::string_view::npos ? std::string_view() : TrimBlanks(piece.substr(equals + 1));
  return {LowerAscii(name), value};
}

std::optional<TCookie> ParseCookie(std::string_view text, std::string_view host,
                                   std::string_view requestPath, TCookieStore::TimePoint now) {
  const std::vector<std::string_view> pieces = SplitOutsideQuotes(text, ';');
  if (pieces.front().find('=') == std::string_view::npos) {
    return std::nullopt;
  }
  const std::size_t equals = pieces.front().find('=');
  TCookie cookie;
  cookie.Name = std::string(TrimBlanks(pieces.front().substr(0, equals)));
  cookie.Value = std::string(Unquote(TrimBlanks(pieces.front().substr(equals + 1))));
  // Control bytes would end up inside the "Cookie" header of the next request.
  if (cookie.Name.empty() || HasControlByte(cookie.Name) || HasControlByte(cookie.Value) ||
      cookie.Name.size() + cookie.Value.size() > TCookieStore::kMaxCookieBytes) {
    return std::nullopt;
  }
  std::optional<TCookieStore::TimePoint> maxAgeExpiry;
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    const auto [name, rawValue] = SplitAttribute(pieces[i]);
    const std::string_view value = Unquote(rawValue);
    if (name == "expires") {
      cookie.Expires = ParseCookieDate(value);
    } else if (name == "max-age") {
      if (const auto seconds = ParseDecimal(value)) {
        maxAgeExpiry =
            now + std::chrono::seconds(std::clamp<std::int64_t>(*seconds, 0, kMaxAgeSeconds));
      }
    } else if (name == "domain") {
      std::string_view domain = value;
      if (!domain.empty() && domain.front() == '.') {
        domain.remove_prefix(1);
      }
      cookie.Domain = LowerAscii(domain);
    } else if (name == "path" && !value.empty() && value.front() == '/') {
      cookie.Path = std::string(value);
    } else if (name == "secure") {
      cookie.Secure = true;
    }
  }
  if (maxAgeExpiry) {
    cookie.Expires = maxAgeExpiry;
  }
  if (cookie.Domain.empty()) {
    cookie.Domain = LowerAscii(host);
  } else if (!DomainMatches(host, cookie.Domain) ||
             (cookie.Domain.find('.') == std::string::npos && !EqualsNoCase(host, cookie.Domain))) {
    // A single label is a whole top-level domain: its cookie would go to every site under it.
    return std::nullopt;
  }
  if (cookie.Path.empty()) {
    cookie.Path = std::string(requestPath);
  }
  return cookie;
}

}  // namespace

bool DomainMatches(std::string_view host, std::string_view domain) {
  if (domain.empty() || host.size() < domain.size() ||
      !EqualsNoCase(host.substr(host.size() - domain.size()), domain)) {
    return false;
  }
  return host.size() == domain.size() || host[host.size() - domain.size() - 1] == '.';
}

bool PathMatches(std::string_view requestPath, std::string_view cookiePath) {
  if (!requestPath.starts_with(cookiePath)) {
    return false;
  }
  return requestPath.size() == cookiePath.size() || cookiePath.ends_with('/') ||
         requestPath[cookiePath.size()] == '/';
}

void TCookieStore::Store(std::string_view text, std::string_view host, std::string_view requestPath,
                         TimePoint now) {
  std::optional<TCookie> cookie = ParseCookie(text, host, requestPath, now);
  if (!cookie) {
    return;
  }
  const auto same = std::find_if(cookies_.begin(), cookies_.end(), [&](const TCookie& stored) {
    return stored.Name == cookie->Name && stored.Domain == cookie->Domain &&
           stored.Path == cookie->Path;
  });
  if (same != cookies_.end()) {
    cookies_.erase(same);
  } else if (cookies_.size() == kMaxCookies) {
    cookies_.erase(cookies_.begin());
  }
  cookies_.push_back(std::move(*cookie));
}

void TCookieStore::StoreSetCookie(std::string_view value, std::string_view host,
                                  std::string_view requestPath, TimePoint now) {
  Store(value, host, requestPath, now);
}

void TCookieStore::StoreSetCookie2(std::string_view value, std::string_view host,
                                   std::string_view requestPath, TimePoint now) {
  for (const std::string_view cookie : SplitOutsideQuotes(value, ',')) {
    Store(cookie, host, requestPath, now);
  }
}

void TCookieStore::DropExpired(TimePoint now) {
  std::erase_if(cookies_,
                [now](const TCookie& cookie) { return cookie.Expires && *cookie.Expires <= now; });
}

std::string TCookieStore::CookieHeader(std::string_view host, std::string_view path) const {
  std::vector<const TCookie*> applying;
  for (const TCookie& cookie : cookies_) {
    if (!cookie.Secure && DomainMatches(host, cookie.Domain) && PathMatches(path, cookie.Path)) {
      applying.push_back(&cookie);
    }
  }
  std::stable_sort(applying.begin(), applying.end(), [](const TCookie* a, const TCookie* b) {
    return a->Path.size() > b->Path.size();
  });
  std::string header;
  for (const TCookie* cookie : applying) {
    const std::string_view separator = header.empty() ? "" : "; ";
    if (header.size() + separator.size() + cookie->Name.size() + 1 + cookie->Value.size() >
        kMaxHeaderBytes) {
      continue;
    }
    header.append(separator).append(cookie->Name).append("=").append(cookie->Value);
  }
  return header;
}

}  // namespace porvan
