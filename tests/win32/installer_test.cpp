// PorvanSetup.exe under Wine: a silent install, an update that keeps the settings, an update over
// a running client with access open, the uninstall.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/loopback_server.h"
#include "support/request_bodies.h"
#include "support/server_session.h"
#include "win32/view/window.h"
#include "win32/wide_text.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using namespace testing::bodies;
using testing::FileExists;
using testing::HttpReply;
using testing::ReadWholeFile;
using testing::RunToEnd;

const std::string kOpenRequest = "\r\n\r\n" + kOpenFtpBody;
const std::string kCloseRequest = "\r\n\r\n" + kCloseFtpBody;

std::wstring SetupPath() {
  return testing::TestExecutableFolder() + L"..\\PorvanSetup.exe";
}

// Read from the directory without opening the file, so the installer is never refused a write
// because the test holds a handle.
ULONGLONG FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
    return 0;
  }
  return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Settings whose server is `server` and whose FTP program starts and ends without a window;
// every key there, so that the program has nothing of its own to add.
std::string SettingsFor(const testing::TLoopbackServer& server) {
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  return "[config]\r\nFTPPath=" + Narrow(system) +
         "\\rundll32.exe\r\nSSHPath=x.exe\r\nServerURL=" + server.Url("/porvan.php") + "\r\n";
}

// Waits until `server` has received `count` requests; false after 20 s.
bool WaitForRequests(const testing::TLoopbackServer& server, std::size_t count) {
  for (int waited = 0; server.Requests().size() < count && waited < 20000; waited += 50) {
    Sleep(50);
  }
  return server.Requests().size() == count;
}

TEST(InstallerTest, InstallsUpdatesAndUninstallsKeepingTheSettings) {
  testing::TTempFolder folder(L"porvan-install");
  const std::wstring dir = folder.Path() + L"Porvan";
  // NSIS takes the target folder as the last argument, unquoted.
  ASSERT_EQ(RunToEnd(SetupPath(), L"/S /D=" + dir, 60000), 0u);
  EXPECT_TRUE(FileExists(dir + L"\\Porvan.exe"));
  EXPECT_TRUE(FileExists(dir + L"\\uninstall.exe"));
  EXPECT_EQ(ReadWholeFile(dir + L"\\history.txt"),
            ReadWholeFile(testing::TestExecutableFolder() + L"..\\history.txt"));
  EXPECT_FALSE(FileExists(dir + L"\\Porvan.ini"));  // the program writes its own on first start

  const std::string settings = "[config]\r\nFTPPath=D:\\my ftp\\f.exe\r\nServerURL=http://x/\r\n";
  testing::WriteWholeFile(dir + L"\\Porvan.ini", settings);
  ASSERT_EQ(RunToEnd(SetupPath(), L"/S /D=" + dir, 60000), 0u);
  EXPECT_EQ(ReadWholeFile(dir + L"\\Porvan.ini"), settings);

  HKEY key = nullptr;
  const wchar_t* uninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Porvan";
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, uninstallKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  wchar_t version[32] = {};
  DWORD size = sizeof version;
  EXPECT_EQ(RegQueryValueExW(key, L"DisplayVersion", nullptr, nullptr,
                             reinterpret_cast<BYTE*>(version), &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(version, L"1.5.0.0");
  RegCloseKey(key);

  // "_?=" runs the uninstaller in place, so the test can wait for it.
  ASSERT_EQ(RunToEnd(dir + L"\\uninstall.exe", L"/S _?=" + dir, 60000), 0u);
  EXPECT_FALSE(FileExists(dir + L"\\Porvan.exe"));
  EXPECT_FALSE(FileExists(dir + L"\\history.txt"));
  EXPECT_EQ(ReadWholeFile(dir + L"\\Porvan.ini"), settings);
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, uninstallKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  DeleteFileW((dir + L"\\uninstall.exe").c_str());
  DeleteFileW((dir + L"\\Porvan.ini").c_str());
  RemoveDirectoryW(dir.c_str());
}

TEST(InstallerTest, AProgramFileThatCannotBeReplacedFailsTheUpdate) {
  testing::TTempFolder folder(L"porvan-held");
  const std::wstring dir = folder.Path().substr(0, folder.Path().size() - 1);
  const std::wstring exe = dir + L"\\Porvan.exe";
  ASSERT_EQ(RunToEnd(SetupPath(), L"/S /D=" + dir, 60000), 0u);
  // Held the way a running copy without a window holds it.
  HANDLE held =
      CreateFileW(exe.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(RunToEnd(SetupPath(), L"/S /D=" + dir, 60000), 2u);  // NSIS: aborted
  CloseHandle(held);
  EXPECT_EQ(RunToEnd(dir + L"\\uninstall.exe", L"/S _?=" + dir, 60000), 0u);
}

TEST(InstallerTest, AnUpdateClosesTheRunningClientsAccessBeforeReplacingIt) {
  testing::TLoopbackServer server{{{HttpReply("198.51.100.4")},
                                   {HttpReply("OK")},
                                   {HttpReply("SUCCESS:Access_opened:FTP:example.com")},
                                   {HttpReply("SUCCESS:Access_closed:FTP:example.com")}}};
  // Installed into the test's folder itself, so that every way out of the test removes the files.
  testing::TTempFolder folder(L"porvan-update");
  const std::wstring dir = folder.Path().substr(0, folder.Path().size() - 1);
  const std::wstring exe = dir + L"\\Porvan.exe";
  ASSERT_EQ(RunToEnd(SetupPath(), L"/S /D=" + dir, 60000), 0u);
  // The installed program made to differ from the build's (bytes after the image do not change
  // how it runs), so that its replacement shows.
  const std::string built = ReadWholeFile(testing::PorvanExePath());
  const std::string older = built + "older build";
  testing::WriteWholeFile(exe, older);
  const std::string settings = SettingsFor(server);
  testing::WriteWholeFile(dir + L"\\Porvan.ini", settings);

  // Started as a shortcut starts it: access to FTP opened, the window in the tray.
  testing::TProcess porvan(exe, L"example.com FTP true", dir);
  ASSERT_TRUE(porvan.Started());
  for (int waited = 0; server.Requests().size() < 3 && waited < 20000; waited += 50) {
    Sleep(50);
  }
  ASSERT_EQ(server.Requests().size(), 3u);
  ASSERT_TRUE(server.Requests()[2].ends_with(kOpenRequest));

  testing::TProcess setup(SetupPath(), L"/S /D=" + dir, L"");
  ASSERT_TRUE(setup.Started());
  // Each look reads the file first, then the client, then the server: a changed file seen with
  // the client still running, or before its close request arrived, proves a wrong order.
  bool replacedTooEarly = false;
  DWORD setupExit = STILL_ACTIVE;
  for (int looks = 0; looks < 12000 && (setupExit = setup.WaitForExit(5)) == STILL_ACTIVE;
       ++looks) {
    const bool changed = FileSize(exe) != older.size();
    const bool clientRunning = porvan.WaitForExit(0) == STILL_ACTIVE;
    const bool closeArrived = server.Requests().size() == 4;
    replacedTooEarly = replacedTooEarly || (changed && (clientRunning || !closeArrived));
  }
  EXPECT_EQ(setupExit, 0u);
  EXPECT_FALSE(replacedTooEarly);
  EXPECT_EQ(porvan.WaitForExit(0), 0u);
  ASSERT_EQ(server.Requests().size(), 4u);
  EXPECT_TRUE(server.Requests()[3].ends_with(kCloseRequest));
  EXPECT_TRUE(ReadWholeFile(exe) == built);  // not EXPECT_EQ: a failure would print megabytes
  EXPECT_EQ(ReadWholeFile(dir + L"\\Porvan.ini"), settings);

  EXPECT_EQ(RunToEnd(dir + L"\\uninstall.exe", L"/S _?=" + dir, 60000), 0u);
}

TEST(InstallerTest, AnUpdateClosesEveryClientOfThisInstallAndNoOther) {
  // Each client asks for its IP and the version when it starts, nothing when it ends.
  testing::TLoopbackServer ours{{{HttpReply("198.51.100.4")},
                                 {HttpReply("OK")},
                                 {HttpReply("198.51.100.4")},
                                 {HttpReply("OK")}}};
  testing::TLoopbackServer others{{{HttpReply("198.51.100.5")}, {HttpReply("OK")}}};
  testing::TTempFolder folder(L"porvan-instances");
  const std::wstring dir = folder.Path().substr(0, folder.Path().size() - 1);
  ASSERT_EQ(RunToEnd(SetupPath(), L"/S /D=" + dir, 60000), 0u);
  testing::WriteWholeFile(dir + L"\\Porvan.ini", SettingsFor(ours));
  // Another install's client: the same program in a folder of its own, with the same classes.
  testing::TTempFolder otherFolder(L"porvan-other-install");
  const std::wstring otherExe = otherFolder.Path() + L"Porvan.exe";
  ASSERT_TRUE(CopyFileW(testing::PorvanExePath().c_str(), otherExe.c_str(), FALSE));
  testing::WriteWholeFile(otherFolder.Path() + L"Porvan.ini", SettingsFor(others));

  // Started one after the other, so each gets its own two replies.
  testing::TProcess first(dir + L"\\Porvan.exe", L"", dir);
  ASSERT_TRUE(WaitForRequests(ours, 2));
  testing::TProcess second(dir + L"\\Porvan.exe", L"", dir);
  ASSERT_TRUE(WaitForRequests(ours, 4));
  testing::TProcess other(otherExe, L"", otherFolder.Path());
  ASSERT_TRUE(WaitForRequests(others, 2));

  EXPECT_EQ(RunToEnd(SetupPath(), L"/S /D=" + dir, 60000), 0u);
  EXPECT_EQ(first.WaitForExit(0), 0u);
  EXPECT_EQ(second.WaitForExit(0), 0u);
  EXPECT_EQ(other.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));

  PostMessageW(FindWindowW(L"TfmMain", nullptr), WM_APP_QUIT, 0, 0);
  EXPECT_EQ(other.WaitForExit(20000), 0u);
  EXPECT_EQ(RunToEnd(dir + L"\\uninstall.exe", L"/S _?=" + dir, 60000), 0u);
}

}  // namespace
}  // namespace porvan
