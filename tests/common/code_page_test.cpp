// The CP949 conversion: known bytes of the system's texts, both ways, and invalid input.
#include <gtest/gtest.h>

#include <string>

#include "common/code_page.h"

namespace porvan {
namespace {

struct TKnownText {
  const char* utf8;
  std::string cp949;
};

// Pinned bytes: a change in the tables or the source encoding shows here first.
const TKnownText kKnownTexts[] = {
    {"가", "\xB0\xA1"},
    {"Porvan 접근통제 시스템", "Porvan \xC1\xA2\xB1\xD9\xC5\xEB\xC1\xA6 \xBD\xC3\xBD\xBA\xC5\xDB"},
    {"FTP 실행", "FTP \xBD\xC7\xC7\xE0"},
    {"설정", "\xBC\xB3\xC1\xA4"},
    {"plain ASCII\r\n", "plain ASCII\r\n"},
    {"", ""},
};

TEST(CodePageTest, KnownTextsBothWays) {
  for (const TKnownText& t : kKnownTexts) {
    SCOPED_TRACE(t.utf8);
    EXPECT_EQ(Utf8ToCp949(t.utf8), t.cp949);
    EXPECT_EQ(Cp949ToUtf8(t.cp949), t.utf8);
    EXPECT_EQ(Utf16ToCp949(Cp949ToUtf16(t.cp949)), t.cp949);
  }
  EXPECT_EQ(Cp949ToUtf16("\xB0\xA1"), u"\uAC00");
}

struct TInvalidCase {
  const char* name;
  std::string cp949;
  std::u16string utf16;
};

TEST(CodePageTest, InvalidBytesBecomeReplacementCharacters) {
  const TInvalidCase cases[] = {
      {.name = "lone lead byte at the end", .cp949 = "a\xB0", .utf16 = u"a\uFFFD"},
      {.name = "lead byte with a bad trail", .cp949 = "\xB0\x20z", .utf16 = u"\uFFFDz"},
      {.name = "valid around invalid",
       .cp949 = "\xB0\xA1\xFF\xB0\xA1",
       .utf16 = u"\uAC00\uFFFD\uAC00"},
  };
  for (const TInvalidCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Cp949ToUtf16(c.cp949), c.utf16);
  }
}

TEST(CodePageTest, CharactersOutsideCp949BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp949("a\xF0\x9F\x98\x80"
                        "b"),
            "a?b");                           // an emoji: one '?' for the pair
  EXPECT_EQ(Utf16ToCp949(u"\xD800x"), "?x");  // a lone surrogate
}

TEST(CodePageTest, InvalidUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");            // an overlong "/"
  EXPECT_EQ(Utf8ToUtf16("\xF5\x80\x80"), u"\uFFFD\uFFFD\uFFFD");  // no lead byte at all
  EXPECT_EQ(Utf8ToUtf16("\xFF\xBF\xBF"), u"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");  // the last code point still reads
  EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace porvan
