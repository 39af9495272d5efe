// Splitting the raw command line, and what TSysVar takes from it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/command_line.h"

namespace porvan {
namespace {

struct TSplitCase {
  const char* name;
  std::string line;
  std::vector<std::string> arguments;
};

TEST(CommandLineTest, SplitsByBlanksAndQuotes) {
  const TSplitCase cases[] = {
      {.name = "program only", .line = "Porvan.exe", .arguments = {"Porvan.exe"}},
      {.name = "three arguments",
       .line = "p example.com FTP true",
       .arguments = {"p", "example.com", "FTP", "true"}},
      {.name = "quoted program path with blanks",
       .line = "\"C:\\Program Files\\Porvan\\Porvan.exe\" a SSH",
       .arguments = {"C:\\Program Files\\Porvan\\Porvan.exe", "a", "SSH"}},
      {.name = "quotes in the middle of a word",
       .line = "p ab\"c d\"e",
       .arguments = {"p", "abc de"}},
      {.name = "tabs and runs of blanks", .line = "p\t\ta  \t b", .arguments = {"p", "a", "b"}},
      {.name = "control characters separate",
       .line = "p a\x01"
               "b\rc\nd",
       .arguments = {"p", "a", "b", "c", "d"}},
      {.name = "trailing blank", .line = "p a ", .arguments = {"p", "a"}},
      {.name = "leading blanks", .line = "   p a", .arguments = {"p", "a"}},
      {.name = "backslashes are ordinary",
       .line = "p a\\\"b c\\\" d\\\\",
       .arguments = {"p", "a\\b c\\", "d\\\\"}},
      {.name = "empty quotes give an empty argument",
       .line = "p \"\" x",
       .arguments = {"p", "", "x"}},
      {.name = "unclosed quote runs to the end", .line = "p \"a b", .arguments = {"p", "a b"}},
      {.name = "Korean bytes",
       .line = "p \xB0\xA1.example FTP",
       .arguments = {"p", "\xB0\xA1.example", "FTP"}},
      {.name = "case is kept",
       .line = "p Example.COM ftp TRUE",
       .arguments = {"p", "Example.COM", "ftp", "TRUE"}},
      {.name = "empty", .line = "", .arguments = {}},
      {.name = "NUL ends the text", .line = std::string("p a\0b", 5), .arguments = {"p", "a"}},
  };
  for (const TSplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitCommandLine(c.line), c.arguments);
  }
}

}  // namespace
}  // namespace porvan
