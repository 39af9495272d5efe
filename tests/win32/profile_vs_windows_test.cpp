// Our profile-file reader and writer against the system's own, on a table of awkward files.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "settings/profile_file.h"

namespace porvan {
namespace {

struct TProfileRow {
  const char* name;
  std::string file;  // empty name: no file at all
  const char* key;
};

const std::string kLong(3000, 'x');

const TProfileRow kRows[] = {
    {"plain", "[config]\r\nk=v\r\n", "k"},
    {"case", "[CoNfIg]\r\nK=v\r\n", "k"},
    {"double quotes", "[config]\r\nk=\"v w\"\r\n", "k"},
    {"single quotes", "[config]\r\nk='v'\r\n", "k"},
    {"unmatched quotes", "[config]\r\nk=\"v'\r\n", "k"},
    {"lone quote", "[config]\r\nk=\"\r\n", "k"},
    {"blanks and tabs", "[config]\r\n \t k \t = \t v w \t \r\n", "k"},
    {"blanks in the header", "[ config ]\r\nk=v\r\n", "k"},
    {"duplicate keys", "[config]\r\nk=1\r\nk=2\r\n", "k"},
    {"duplicate sections", "[config]\r\na=1\r\n[config]\r\nk=2\r\n", "k"},
    {"comment", "[config]\r\n;k=1\r\nk=2\r\n", "k"},
    {"line without =", "[config]\r\nk\r\n", "k"},
    {"long value", "[config]\r\nk=" + kLong + "\r\n", "k"},
    {"LF only", "[config]\nk=v\n[other]\nk=w\n", "k"},
    {"no final line end", "[config]\r\nk=v", "k"},
    {"empty key", "[config]\r\nk=\r\n", "k"},
    {"empty name", "[config]\r\n=v\r\n", ""},
    {"missing section", "[other]\r\nk=v\r\n", "k"},
    {"missing key", "[config]\r\nj=v\r\n", "k"},
    {"key before sections", "k=v\r\n[config]\r\n", "k"},
    {"Korean value", "[config]\r\nk=\xB0\xA1\xB0\xA2\r\n", "k"},
};

// Rows where the system's writer differs from ours. It rewrites the whole file from what it
// parsed; ours changes the one line and keeps every other byte as it was:
// - "blanks in the header": it drops the blanks inside "[ config ]";
// - "LF only": it turns every LF into CR LF;
// - "no final line end": it adds CR LF after the last line.
// The reader agrees on every row.
const std::set<std::string> kKnownWriteDifferences = {"blanks in the header", "LF only",
                                                      "no final line end"};

class ProfileVsWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    path_ = std::string(temp) + "porvan-profile-test.ini";
  }
  void TearDown() override { DeleteFileA(path_.c_str()); }

  void Put(const TProfileRow& row) {
    DeleteFileA(path_.c_str());
    if (row.file.empty()) {
      return;
    }
    std::ofstream(path_, std::ios::binary) << row.file;
  }

  std::string Contents() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  std::string path_;
};

TEST_F(ProfileVsWindowsTest, ReaderAgreesWithGetPrivateProfileString) {
  std::set<std::string> differences;
  for (const TProfileRow& row : kRows) {
    Put(row);
    char buffer[2048] = {};
    DWORD length =
        GetPrivateProfileStringA("config", row.key, "", buffer, sizeof buffer, path_.c_str());
    std::string system(buffer, length);
    std::string ours = ReadProfileValue(row.file, "config", row.key);
    if (system != ours) {
      differences.insert(row.name);
      std::cout << "read differs: " << row.name << ": system [" << system.substr(0, 40)
                << "] ours [" << ours.substr(0, 40) << "]\n";
    }
  }
  EXPECT_TRUE(differences.empty());
}

TEST_F(ProfileVsWindowsTest, WriterAgreesWithWritePrivateProfileString) {
  std::set<std::string> differences;
  for (const TProfileRow& row : kRows) {
    Put(row);
    const char* key = row.key[0] == '\0' ? "n" : row.key;
    ASSERT_TRUE(WritePrivateProfileStringA("config", key, "new value", path_.c_str()));
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());  // flush the cache
    std::string system = Contents();
    std::string ours = WriteProfileValue(row.file, "config", key, "new value");
    if (system != ours) {
      differences.insert(row.name);
      std::cout << "write differs: " << row.name << "\n  system [" << system.substr(0, 80)
                << "]\n  ours   [" << ours.substr(0, 80) << "]\n";
    }
  }
  EXPECT_EQ(differences, kKnownWriteDifferences);
}

}  // namespace
}  // namespace porvan
