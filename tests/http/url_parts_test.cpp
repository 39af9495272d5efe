// URL parts: scheme rules, authority, port, path, document, query and fragment.
#include <gtest/gtest.h>

#include <string>

#include "http/url_parts.h"

namespace porvan {
namespace {

TEST(SplitUrlTest, SplitsWhatTheExchangeNeeds) {
  struct {
    const char* url;
    const char* host;
    const char* port;
    const char* target;
    const char* hostHeader;
    const char* connectHost;
  } const cases[] = {
      {"http://porvan.example/porvandaemon/communication.php", "porvan.example", "80",
       "/porvandaemon/communication.php", "porvan.example", "porvan.example"},
      {"HTTP://h:8080/a", "h", "8080", "/a", "h:8080", "h"},
      {"http://h:80/a", "h", "80", "/a", "h", "h"},
      {"http://h:080/a", "h", "080", "/a", "h:080", "h"},
      {"http://h", "h", "80", "/", "h", "h"},
      {"http://h/", "h", "80", "/", "h", "h"},
      {"http://user:pw@h:81/x", "h", "81", "/x", "h:81", "h"},
      {"http://a@b@h/x", "h", "80", "/x", "h", "h"},
      {"http://h/a/b/c.php?x=/y&z=%41#frag", "h", "80", "/a/b/c.php?x=/y&z=%41", "h", "h"},
      {"http://h/dir/#top", "h", "80", "/dir/", "h", "h"},
      {"http://h?q=1", "h", "80", "/?q=1", "h", "h"},
      {"http://h/%7Euser/a b", "h", "80", "/%7Euser/a%20b", "h", "h"},
      {"http://h/\xB0\xA1 x/\x80.exe?q=a b\xFF", "h", "80", "/%B0%A1%20x/%80.exe?q=a%20b%FF", "h",
       "h"},
      {"ftp://h:2121/p", "h", "2121", "/p", "h:2121", "h"},
      {"http://[::1]:8080/p", "[::1]", "8080", "/p", "[::1]:8080", "::1"},
      {"http://[::1]/p", "[::1]", "80", "/p", "[::1]", "::1"},
      {"http://h:/p", "h", "80", "/p", "h", "h"},
      {"https://h/p", "h", "443", "/p", "h", "h"},
      {"HTTPS://h:443/p", "h", "443", "/p", "h", "h"},
      {"https://h:80/p", "h", "80", "/p", "h:80", "h"},
      {"https://h:8443/p?q", "h", "8443", "/p?q", "h:8443", "h"},
      {"http://h:443/p", "h", "443", "/p", "h:443", "h"},
      {"https://[::1]/p", "[::1]", "443", "/p", "[::1]", "::1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    const TSplitUrl split = SplitUrl(c.url);
    ASSERT_EQ(split.Status, TUrlStatus::Ok);
    EXPECT_EQ(split.Parts.Host, c.host);
    EXPECT_EQ(split.Parts.Port, c.port);
    EXPECT_EQ(split.Parts.Target(), c.target);
    EXPECT_EQ(split.Parts.HostHeader(), c.hostHeader);
    EXPECT_EQ(split.Parts.ConnectHost(), c.connectHost);
  }
}

TEST(SplitUrlTest, KeepsPathDocumentAndQueryApart) {
  const TSplitUrl split = SplitUrl("http://h/a/b.php?c=/d");
  EXPECT_EQ(split.Parts.Path, "/a/");
  EXPECT_EQ(split.Parts.Document, "b.php");
  EXPECT_EQ(split.Parts.Query, "?c=/d");
  EXPECT_EQ(SplitUrl("http://h:080/").Parts.ConnectPort(), "80");
}

TEST(SplitUrlTest, RefusesUrlsItCannotServe) {
  struct {
    const char* name;
    std::string url;
    TUrlStatus status;
  } const cases[] = {
      {.name = "https, empty host", .url = "https:///a", .status = TUrlStatus::BadHost},
      {.name = "https, port letters", .url = "https://h:x/a", .status = TUrlStatus::BadPort},
      {.name = "no ://", .url = "h/a", .status = TUrlStatus::NoScheme},
      {.name = "mailto", .url = "mailto:x@h", .status = TUrlStatus::NoScheme},
      {.name = "other scheme, no port",
       .url = "ftp://h/a",
       .status = TUrlStatus::SchemeWithoutPort},
      {.name = "empty host", .url = "http:///a", .status = TUrlStatus::BadHost},
      {.name = "only credentials", .url = "http://u:p@/a", .status = TUrlStatus::BadHost},
      {.name = "unclosed bracket", .url = "http://[::1/a", .status = TUrlStatus::BadHost},
      {.name = "junk after bracket", .url = "http://[::1]x/a", .status = TUrlStatus::BadHost},
      {.name = "blank in the host", .url = "http://h x/a", .status = TUrlStatus::BadHost},
      {.name = "backslash in the host",
       .url = "http://evil.test\\@h/a",
       .status = TUrlStatus::BadHost},
      {.name = "blank in the credentials", .url = "http://u p@h/a", .status = TUrlStatus::BadHost},
      {.name = "port letters", .url = "http://h:http/a", .status = TUrlStatus::BadPort},
      {.name = "port zero", .url = "http://h:0/a", .status = TUrlStatus::BadPort},
      {.name = "port too big", .url = "http://h:65536/a", .status = TUrlStatus::BadPort},
      {.name = "negative port", .url = "http://h:-1/a", .status = TUrlStatus::BadPort},
      {.name = "CR LF in path",
       .url = "http://h/a\r\nX-Evil: 1",
       .status = TUrlStatus::ControlCharacter},
      {.name = "NUL",
       .url = std::string("http://h/\0", 10),
       .status = TUrlStatus::ControlCharacter},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitUrl(c.url).Status, c.status);
  }
}

}  // namespace
}  // namespace porvan
