// PorvanSetup.exe under Wine: a silent install, an update that keeps the settings, the uninstall.
#include <gtest/gtest.h>
#include <windows.h>

#include "wine/wine_support.h"

namespace porvan {
namespace {

using testing::ReadWholeFile;
using testing::RunToEnd;

std::wstring SetupPath() {
  return testing::TestExecutableFolder() + L"..\\PorvanSetup.exe";
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(InstallerTest, InstallsUpdatesAndUninstallsKeepingTheSettings) {
  testing::TTempFolder folder(L"porvan-install");
  const std::wstring dir = folder.Path() + L"Porvan";
  // NSIS takes the target folder as the last argument, unquoted.
  ASSERT_EQ(RunToEnd(SetupPath(), L"/S /D=" + dir, 60000), 0u);
  EXPECT_TRUE(Exists(dir + L"\\Porvan.exe"));
  EXPECT_TRUE(Exists(dir + L"\\uninstall.exe"));
  EXPECT_EQ(ReadWholeFile(dir + L"\\history.txt"),
            ReadWholeFile(testing::TestExecutableFolder() + L"..\\history.txt"));
  EXPECT_FALSE(Exists(dir + L"\\Porvan.ini"));  // the program writes its own on first start

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
  EXPECT_FALSE(Exists(dir + L"\\Porvan.exe"));
  EXPECT_FALSE(Exists(dir + L"\\history.txt"));
  EXPECT_EQ(ReadWholeFile(dir + L"\\Porvan.ini"), settings);
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, uninstallKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  DeleteFileW((dir + L"\\uninstall.exe").c_str());
  DeleteFileW((dir + L"\\Porvan.ini").c_str());
  RemoveDirectoryW(dir.c_str());
}

}  // namespace
}  // namespace porvan
