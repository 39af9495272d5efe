// The profile-file rules: what a read finds and what a write leaves, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "settings/profile_file.h"

namespace porvan {
namespace {

struct TReadCase {
  const char* name;
  std::string file;
  const char* section;
  const char* key;
  std::string expected;
};

TEST(ProfileFileTest, ReadsByTheProfileRules) {
  const TReadCase cases[] = {
      {.name = "plain",
       .file = "[config]\r\nFTPPath=a.exe\r\n",
       .section = "config",
       .key = "FTPPath",
       .expected = "a.exe"},
      {.name = "names without case",
       .file = "[CONFIG]\r\nftppath=a.exe\r\n",
       .section = "config",
       .key = "FTPPath",
       .expected = "a.exe"},
      {.name = "blanks around name and value",
       .file = "[ config ]\n  FTPPath \t=  a b \t\n",
       .section = "config",
       .key = "FTPPath",
       .expected = "a b"},
      {.name = "double quotes",
       .file = "[config]\nk=\" x \"\n",
       .section = "config",
       .key = "k",
       .expected = " x "},
      {.name = "single quotes",
       .file = "[config]\nk='x'\n",
       .section = "config",
       .key = "k",
       .expected = "x"},
      {.name = "unmatched quotes stay",
       .file = "[config]\nk=\"x'\n",
       .section = "config",
       .key = "k",
       .expected = "\"x'"},
      {.name = "one quote stays",
       .file = "[config]\nk=\"\n",
       .section = "config",
       .key = "k",
       .expected = "\""},
      {.name = "only one pair removed",
       .file = "[config]\nk=\"\"x\"\"\n",
       .section = "config",
       .key = "k",
       .expected = "\"x\""},
      {.name = "first key counts",
       .file = "[config]\nk=1\nk=2\n",
       .section = "config",
       .key = "k",
       .expected = "1"},
      {.name = "first section counts",
       .file = "[config]\na=1\n[config]\nk=2\n",
       .section = "config",
       .key = "k",
       .expected = ""},
      {.name = "other section",
       .file = "[other]\nk=1\n[config]\nk=2\n",
       .section = "config",
       .key = "k",
       .expected = "2"},
      {.name = "key before any section",
       .file = "k=0\n[config]\n",
       .section = "config",
       .key = "k",
       .expected = ""},
      {.name = "missing section",
       .file = "[other]\nk=1\n",
       .section = "config",
       .key = "k",
       .expected = ""},
      {.name = "line without =",
       .file = "[config]\nk\n",
       .section = "config",
       .key = "k",
       .expected = ""},
      {.name = "value with =",
       .file = "[config]\nk=a=b\n",
       .section = "config",
       .key = "k",
       .expected = "a=b"},
      {.name = "comment is not a key",
       .file = "[config]\n;k=1\nk=2\n",
       .section = "config",
       .key = "k",
       .expected = "2"},
      {.name = "empty file", .file = "", .section = "config", .key = "k", .expected = ""},
      {.name = "no line end at the end",
       .file = "[config]\nk=v",
       .section = "config",
       .key = "k",
       .expected = "v"},
      {.name = "long value cut",
       .file = "[config]\nk=" + std::string(3000, 'x') + "\n",
       .section = "config",
       .key = "k",
       .expected = std::string(2047, 'x')},
      {.name = "Korean bytes kept",
       .file = "[config]\nk=\xB0\xA1\n",
       .section = "config",
       .key = "k",
       .expected = "\xB0\xA1"},
  };
  for (const TReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadProfileValue(c.file, c.section, c.key), c.expected);
  }
}

struct TWriteCase {
  const char* name;
  std::string before;
  const char* key;
  const char* value;
  std::string after;
};

TEST(ProfileFileTest, WritesOnlyTheKeyLine) {
  const TWriteCase cases[] = {
      {.name = "new file",
       .before = "",
       .key = "FTPPath",
       .value = ".\\a.exe",
       .after = "[config]\r\nFTPPath=.\\a.exe\r\n"},
      {.name = "replace keeps the rest",
       .before = "; note\r\n[config]\r\n  ftppath = old \r\nx=1\r\n",
       .key = "FTPPath",
       .value = "new",
       .after = "; note\r\n[config]\r\nftppath=new\r\nx=1\r\n"},
      {.name = "add after the section's last line",
       .before = "[config]\nFTPPath=a\n\n[other]\nk=v\n",
       .key = "SSHPath",
       .value = "b",
       .after = "[config]\nFTPPath=a\nSSHPath=b\n\n[other]\nk=v\n"},
      {.name = "add to an empty section",
       .before = "[config]\r\n[other]\r\n",
       .key = "k",
       .value = "v",
       .after = "[config]\r\nk=v\r\n[other]\r\n"},
      {.name = "add section at the end",
       .before = "[other]\nk=v",
       .key = "k",
       .value = "1",
       .after = "[other]\nk=v\n[config]\nk=1\n"},
      {.name = "empty value",
       .before = "[config]\r\nk=v\r\n",
       .key = "k",
       .value = "",
       .after = "[config]\r\nk=\r\n"},
      {.name = "last line without line end",
       .before = "[config]\r\nk=v",
       .key = "j",
       .value = "w",
       .after = "[config]\r\nk=v\r\nj=w"},
      {.name = "only the first duplicate",
       .before = "[config]\nk=1\nk=2\n",
       .key = "k",
       .value = "3",
       .after = "[config]\nk=3\nk=2\n"},
  };
  for (const TWriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string after = WriteProfileValue(c.before, "config", c.key, c.value);
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(ReadProfileValue(after, "config", c.key), c.value);
  }
}

}  // namespace
}  // namespace porvan
