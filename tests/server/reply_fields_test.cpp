// Reply splitting: blanks, delimiters, quotes, NUL, and reading missing fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "server/reply_fields.h"

namespace porvan {
namespace {

using Fields = std::vector<std::string>;

// More fields than any case holds.
constexpr std::size_t kAllFields = 64;

TEST(SplitReplyFieldsTest, FollowsTheEightSteps) {
  struct {
    const char* name;
    std::string reply;
    char delimiter;
    Fields fields;
  } const cases[] = {
      {.name = "access success",
       .reply = "SUCCESS:Access_opened:a:b",
       .delimiter = ':',
       .fields = {"SUCCESS", "Access_opened", "a", "b"}},
      {.name = "blank separates",
       .reply = "FAIL:Not registered",
       .delimiter = ':',
       .fields = {"FAIL", "Not", "registered"}},
      {.name = "blanks around delimiters",
       .reply = "SUCCESS : x : y : z",
       .delimiter = ':',
       .fields = {"SUCCESS", "x", "y", "z"}},
      {.name = "two delimiters", .reply = "a::b", .delimiter = ':', .fields = {"a", "", "b"}},
      {.name = "final delimiter", .reply = "a:", .delimiter = ':', .fields = {"a", ""}},
      {.name = "delimiter then blanks", .reply = "a: ", .delimiter = ':', .fields = {"a"}},
      {.name = "trailing CR LF",
       .reply = "SUCCESS:x\r\n",
       .delimiter = ':',
       .fields = {"SUCCESS", "x"}},
      {.name = "leading blanks", .reply = " \t\r\nOK", .delimiter = ':', .fields = {"OK"}},
      {.name = "empty", .reply = "", .delimiter = ':', .fields = {}},
      {.name = "blanks only", .reply = " \r\n\x01", .delimiter = ':', .fields = {}},
      {.name = "lone delimiter", .reply = ":", .delimiter = ':', .fields = {"", ""}},
      {.name = "NUL ends the text",
       .reply = std::string("a:b\0:c", 6),
       .delimiter = ':',
       .fields = {"a", "b"}},
      {.name = "delimiter before NUL is last",
       .reply = std::string("a:\0b", 4),
       .delimiter = ':',
       .fields = {"a", ""}},
      {.name = "quoted with delimiter and blank",
       .reply = "\"a: b\":c",
       .delimiter = ':',
       .fields = {"a: b", "c"}},
      {.name = "doubled quotes",
       .reply = "\"say \"\"hi\"\"\"|x",
       .delimiter = '|',
       .fields = {"say \"hi\"", "x"}},
      {.name = "empty quoted", .reply = "\"\":x", .delimiter = ':', .fields = {"", "x"}},
      {.name = "unclosed quote runs to the end",
       .reply = "a:\"b:c d",
       .delimiter = ':',
       .fields = {"a", "b:c d"}},
      {.name = "text after closing quote",
       .reply = "\"ab\"cd:e",
       .delimiter = ':',
       .fields = {"ab", "cd", "e"}},
      {.name = "quote inside plain field",
       .reply = "a\"b:c",
       .delimiter = ':',
       .fields = {"a\"b", "c"}},
      {.name = "bar keeps colons",
       .reply = "NEW|http://h/setup.exe|notes",
       .delimiter = '|',
       .fields = {"NEW", "http://h/setup.exe", "notes"}},
      {.name = "bar with blank",
       .reply = "NEW| setup.exe",
       .delimiter = '|',
       .fields = {"NEW", "setup.exe"}},
      {.name = "blank inside URL",
       .reply = "NEW|my setup.exe",
       .delimiter = '|',
       .fields = {"NEW", "my", "setup.exe"}},
      {.name = "Korean bytes",
       .reply = "FAIL:\xB5\xEE\xB7\xCF_\xBE\xC8\xB5\xCA",
       .delimiter = ':',
       .fields = {"FAIL", "\xB5\xEE\xB7\xCF_\xBE\xC8\xB5\xCA"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitReplyFields(c.reply, c.delimiter, kAllFields), c.fields);
  }
}

TEST(SplitReplyFieldsTest, StopsAfterTheFieldsTheCallerReads) {
  const std::string mebibyteOfDelimiters(1024 * 1024, ':');
  struct {
    const char* name;
    std::string reply;
    std::size_t maxFields;
    Fields fields;
  } const cases[] = {
      {.name = "rest unread", .reply = "a:b:c:d:e", .maxFields = 2, .fields = {"a", "b"}},
      {.name = "final empty field counts", .reply = "a:", .maxFields = 1, .fields = {"a"}},
      {.name = "final empty field within", .reply = "a:", .maxFields = 2, .fields = {"a", ""}},
      {.name = "1 MiB of delimiters",
       .reply = mebibyteOfDelimiters,
       .maxFields = 4,
       .fields = {"", "", "", ""}},
      {.name = "none wanted", .reply = "a:b", .maxFields = 0, .fields = {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitReplyFields(c.reply, ':', c.maxFields), c.fields);
  }
}

TEST(SplitReplyFieldsTest, MissingFieldsReadAsEmpty) {
  const Fields fields = SplitReplyFields("FAIL", ':', kAllFields);
  EXPECT_EQ(FieldOrEmpty(fields, 0), "FAIL");
  EXPECT_EQ(FieldOrEmpty(fields, 1), "");
  EXPECT_EQ(FieldOrEmpty({}, 3), "");
}

}  // namespace
}  // namespace porvan
