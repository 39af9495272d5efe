// The form body: value escaping byte by byte and the joining of lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "http/form_encoding.h"

namespace porvan {
namespace {

TEST(EncodeFieldValueTest, EscapesExactlyTheReservedAndTheHighBytes) {
  struct {
    const char* name;
    std::string value;
    std::string encoded;
  } const cases[] = {
      {.name = "space", .value = "a b", .encoded = "a%20b"},
      {.name = "form separators escaped", .value = "x&y=z", .encoded = "x%26y%3Dz"},
      {.name = "the reserved",
       .value = " #%&*+;<=>[]",
       .encoded = "%20%23%25%26%2A%2B%3B%3C%3D%3E%5B%5D"},
      {.name = "url characters pass", .value = "/:?@~!$'(),-._", .encoded = "/:?@~!$'(),-._"},
      {.name = "an injected field",
       .value = "example.com&protocol=SSH",
       .encoded = "example.com%26protocol%3DSSH"},
      {.name = "control bytes",
       .value = std::string("\0\t\r\n\x1F", 5),
       .encoded = "%00%09%0D%0A%1F"},
      {.name = "0x80 raw, 0x81 escaped", .value = "\x80\x81", .encoded = "\x80%81"},
      {.name = "DEL passes", .value = "\x7F", .encoded = "\x7F"},
      {.name = "Korean syllable", .value = "\xB0\xA1", .encoded = "%B0%A1"},
      {.name = "top byte", .value = "\xFF", .encoded = "%FF"},
      {.name = "quote and backslash pass", .value = "\"\\", .encoded = "\"\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EncodeFieldValue(c.value), c.encoded);
  }
}

TEST(BuildFormBodyTest, JoinsLinesAndEncodesOnlyValues) {
  struct {
    const char* name;
    std::vector<TFormLine> lines;
    std::string body;
  } const cases[] = {
      {.name = "one line alone", .lines = {"mode=get_client_ip"}, .body = "mode=get_client_ip"},
      {.name = "three lines end with &",
       .lines = {"mode=open_request", "protocol=FTP", "query=example.com"},
       .body = "mode=open_request&protocol=FTP&query=example.com&"},
      {.name = "empty list", .lines = {}, .body = ""},
      {.name = "empty value unchanged", .lines = {"query="}, .body = "query="},
      {.name = "two fields in the fixed text",
       .lines = {{"mode=check_version&version=", "1.5.0.0"}},
       .body = "mode=check_version&version=1.5.0.0"},
      {.name = "a value never adds a field",
       .lines = {{"mode=is_valid_domain&domain=", "nosuch.test&domain=example.com"}},
       .body = "mode=is_valid_domain&domain=nosuch.test%26domain%3Dexample.com"},
      {.name = "blank in a domain",
       .lines = {"a=1", "query=my domain"},
       .body = "a=1&query=my%20domain&"},
      {.name = "name never encoded", .lines = {"a b=c d"}, .body = "a b=c%20d"},
      {.name = "only the first = splits", .lines = {"k=v=w x"}, .body = "k=v%3Dw%20x"},
      {.name = "leading blank of a name trimmed", .lines = {" \tk=v"}, .body = "k=v"},
      {.name = "line without =", .lines = {"plain", "x=1"}, .body = "plain&x=1&"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BuildFormBody(c.lines), c.body);
  }
}

}  // namespace
}  // namespace porvan
