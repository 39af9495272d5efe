// PorvanSetup.exe /SERVERURL= under Wine: a roll-out writes the server into Porvan.ini, a fresh
// file in the section "config", or only that key of the file that is there.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/code_page.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using testing::FileExists;
using testing::ReadWholeFile;
using testing::RunToEnd;

const std::wstring kSwitch =
    L"/SERVERURL=https://porvan.example:8443/porvandaemon/communication.php";
const std::string kServerLine =
    "ServerURL=https://porvan.example:8443/porvandaemon/communication.php";

std::wstring SetupPath() {
  return testing::TestExecutableFolder() + L"..\\PorvanSetup.exe";
}

TEST(InstallerServerUrlTest, WritesOnlyTheServerKey) {
  // A folder of the user's in Korean, in CP949 bytes, that must come through untouched.
  const std::string ftpLine = "FTPPath=C:\\" + Utf8ToCp949("내 프로그램") + "\\ftp.exe";
  struct {
    const char* name;
    std::string before;  // empty: no Porvan.ini
    std::wstring arguments;
    std::string after;
  } const cases[] = {
      {.name = "fresh install",
       .arguments = kSwitch,
       .after = "[config]\r\n" + kServerLine + "\r\n"},
      {.name = "over settings with a server",
       .before =
           "[config]\r\n" + ftpLine + "\r\nServerURL=http://old.example/p.php\r\nSSHPath=s.exe\r\n",
       .arguments = kSwitch,
       .after = "[config]\r\n" + ftpLine + "\r\n" + kServerLine + "\r\nSSHPath=s.exe\r\n"},
      {.name = "over settings without a server",
       .before = "[config]\r\n" + ftpLine + "\r\n",
       .arguments = kSwitch,
       .after = "[config]\r\n" + ftpLine + "\r\n" + kServerLine + "\r\n"},
      {.name = "quoted, in other case",
       .arguments = L"/serverurl=\"https://porvan.example:8443/porvandaemon/communication.php\"",
       .after = "[config]\r\n" + kServerLine + "\r\n"},
      {.name = "an update without the switch",
       .before = "[config]\r\n" + ftpLine + "\r\nServerURL=http://old.example/p.php\r\n",
       .arguments = L"",
       .after = "[config]\r\n" + ftpLine + "\r\nServerURL=http://old.example/p.php\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TTempFolder folder(L"porvan-serverurl");
    const std::wstring dir = folder.Path() + L"Porvan";
    CreateDirectoryW(dir.c_str(), nullptr);
    const std::wstring ini = dir + L"\\Porvan.ini";
    if (!c.before.empty()) {
      testing::WriteWholeFile(ini, c.before);
    }
    // NSIS takes the target folder as the last argument, unquoted.
    const std::wstring switches = c.arguments.empty() ? L"/S" : L"/S " + c.arguments;
    ASSERT_EQ(RunToEnd(SetupPath(), switches + L" /D=" + dir, 60000), 0u);
    ASSERT_TRUE(FileExists(dir + L"\\Porvan.exe"));
    EXPECT_EQ(ReadWholeFile(ini), c.after);
    ASSERT_EQ(RunToEnd(dir + L"\\uninstall.exe", L"/S _?=" + dir, 60000), 0u);
    DeleteFileW((dir + L"\\uninstall.exe").c_str());
    DeleteFileW(ini.c_str());
    RemoveDirectoryW(dir.c_str());
  }
}

}  // namespace
}  // namespace porvan
