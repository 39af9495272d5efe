// The cookie store: parsing, domain and path matching, expiry, order, and its bound.
#include <gtest/gtest.h>

#include <string>

#include "http/cookie_date.h"
#include "http/cookie_store.h"

namespace porvan {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

const auto kNow = sys_days{2024y / 5 / 1} + 12h;

TEST(CookieDateTest, ReadsTheUsualFormats) {
  const auto date = sys_days{1994y / 11 / 6} + 8h + 49min + 37s;
  struct {
    const char* text;
    std::optional<system_clock::time_point> when;
  } const cases[] = {
      {"Sun, 06 Nov 1994 08:49:37 GMT", date},
      {"Sunday, 06-Nov-94 08:49:37 GMT", date},
      {"Sun Nov  6 08:49:37 1994", date},
      {"Thu, 01 Jan 2065 00:00:00 GMT", sys_days{2065y / 1 / 1}},
      {"Fri, 31 Dec 9999 23:59:59 GMT", system_clock::time_point::max()},
      {"Mon, 01 Jan 1900 00:00:00 GMT", system_clock::time_point{}},
      {"Sun, 31 Feb 1994 08:49:37 GMT", std::nullopt},
      {"Sun, 06 Nov 1994 25:00:00 GMT", std::nullopt},
      {"Sun, 06 Nov 1994", std::nullopt},
      {"tomorrow", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseCookieDate(c.text), c.when);
  }
}

TEST(CookieStoreTest, MatchesDomainPathAndSecurity) {
  TCookieStore store;
  for (const char* value :
       {"a=1", "b=2; Path=/app/", "c=3; Secure", "d=4; Domain=.Example.COM; path=/",
        "e=5; domain=other.org", "f=6; path=relative", "=7", "novalue", "g=\"quoted\"", "h=x\ry"}) {
    store.StoreSetCookie(value, "www.example.com", "/app/", kNow);
  }
  struct {
    const char* host;
    const char* path;
    const char* header;
  } const cases[] = {
      {"www.example.com", "/app/x.php", "a=1; b=2; f=6; g=quoted; d=4"},
      {"WWW.EXAMPLE.COM", "/app/", "a=1; b=2; f=6; g=quoted; d=4"},
      {"www.example.com", "/", "d=4"},
      {"example.com", "/app/", "d=4"},
      {"badexample.com", "/app/", ""},
      {"www.example.com.evil.org", "/app/", ""},
      {"other.org", "/", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.host) + c.path);
    EXPECT_EQ(store.CookieHeader(c.host, c.path), c.header);
  }
}

TEST(CookieStoreTest, ReplacesAndExpires) {
  TCookieStore store;
  store.StoreSetCookie("a=1; Max-Age=60", "h", "/", kNow);
  store.StoreSetCookie("b=1; Expires=Wed, 01 May 2024 12:30:00 GMT", "h", "/", kNow);
  store.StoreSetCookie("c=1; Expires=Wed, 01 May 2024 12:30:00 GMT; Max-Age=3600", "h", "/", kNow);
  store.StoreSetCookie("d=1", "h", "/", kNow);
  store.StoreSetCookie("d=2", "h", "/", kNow);
  EXPECT_EQ(store.CookieHeader("h", "/"), "a=1; b=1; c=1; d=2");

  store.DropExpired(kNow + 61s);
  EXPECT_EQ(store.CookieHeader("h", "/"), "b=1; c=1; d=2");
  store.DropExpired(kNow + 31min);
  EXPECT_EQ(store.CookieHeader("h", "/"), "c=1; d=2");
  store.StoreSetCookie("d=gone; Max-Age=0", "h", "/", kNow + 31min);
  store.DropExpired(kNow + 31min);
  EXPECT_EQ(store.CookieHeader("h", "/"), "c=1");
  store.StoreSetCookie("e=1; Max-Age=99999999999999999999", "h", "/", kNow);
  store.DropExpired(kNow + 24h * 365 * 50);
  EXPECT_EQ(store.CookieHeader("h", "/"), "e=1");
}

TEST(CookieStoreTest, KeepsAtMostItsBoundDroppingTheOldest) {
  TCookieStore store;
  for (std::size_t i = 0; i <= TCookieStore::kMaxCookies; ++i) {
    // Built by appending: "c" + to_string(i) inlines an insert that GCC 12 misreads at -O3.
    std::string cookie = "c";
    cookie += std::to_string(i);
    cookie += "=1";
    store.StoreSetCookie(cookie, "h", "/", kNow);
  }
  ASSERT_EQ(store.Cookies().size(), TCookieStore::kMaxCookies);
  EXPECT_EQ(store.Cookies().front().Name, "c1");
  EXPECT_EQ(store.Cookies().back().Name, "c100");
}

TEST(CookieStoreTest, RefusesOversizedCookiesAndBoundsTheHeader) {
  const std::string fits(TCookieStore::kMaxCookieBytes - 1, 'v');
  const std::string tooLong(TCookieStore::kMaxCookieBytes, 'v');
  TCookieStore store;
  store.StoreSetCookie("a=" + fits, "h", "/", kNow);
  store.StoreSetCookie("b=" + tooLong, "h", "/", kNow);
  store.StoreSetCookie(tooLong + "=1", "h", "/", kNow);
  ASSERT_EQ(store.Cookies().size(), 1u);
  EXPECT_EQ(store.Cookies().front().Name, "a");

  // Many cookies that each fit: the header takes them in order while they fit, and no further.
  const std::string third(TCookieStore::kMaxHeaderBytes / 3, 'w');
  TCookieStore many;
  for (const char name : std::string("bcdefgh")) {
    many.StoreSetCookie(std::string(1, name) + "=" + third, "h", "/", kNow);
  }
  many.StoreSetCookie("z=1", "h", "/", kNow);
  const std::string header = many.CookieHeader("h", "/");
  EXPECT_LE(header.size(), TCookieStore::kMaxHeaderBytes);
  EXPECT_EQ(header, "b=" + third + "; c=" + third + "; z=1");
}

TEST(CookieStoreTest, MatchesPathsOnSlashBoundaries) {
  struct {
    const char* request;
    const char* cookie;
    bool matches;
  } const cases[] = {
      {"/p", "/p", true},    {"/p/x.php", "/p", true}, {"/p/", "/p/", true},
      {"/p/x", "/p/", true}, {"/px", "/p", false},     {"/pa/x", "/p", false},
      {"/", "/p", false},    {"/anything", "/", true}, {"/P", "/p", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.request) + " under " + c.cookie);
    EXPECT_EQ(PathMatches(c.request, c.cookie), c.matches);
  }
  TCookieStore store;
  store.StoreSetCookie("a=1; Path=/admin", "h", "/", kNow);
  EXPECT_EQ(store.CookieHeader("h", "/administrator.php"), "");
  EXPECT_EQ(store.CookieHeader("h", "/admin/x.php"), "a=1");
}

TEST(CookieStoreTest, RefusesADomainOfOneLabel) {
  struct {
    const char* cookie;
    const char* host;
    bool stored;
  } const cases[] = {
      {"a=1; Domain=com", "www.example.com", false},
      {"a=1; Domain=.COM", "www.example.com", false},
      {"a=1; Domain=example.com", "www.example.com", true},
      {"a=1; Domain=localhost", "localhost", true},
      {"a=1", "localhost", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.cookie) + " from " + c.host);
    TCookieStore store;
    store.StoreSetCookie(c.cookie, c.host, "/", kNow);
    EXPECT_EQ(store.Cookies().size(), c.stored ? 1u : 0u);
  }
}

TEST(CookieStoreTest, SplitsSetCookie2AtCommasOutsideQuotes) {
  TCookieStore store;
  store.StoreSetCookie2("a=\"x,y\"; Version=1, b=2; Version=1", "h", "/", kNow);
  EXPECT_EQ(store.CookieHeader("h", "/"), "a=x,y; b=2");
}

}  // namespace
}  // namespace porvan
