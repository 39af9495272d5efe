// The settings dialog and the about box as real windows: size, frame, controls and their texts,
// tab order, the lower-casing domain box, and the history found beside the executable.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "common/code_page.h"
#include "settings/run_state.h"
#include "support/fake_platform.h"
#include "win32/about_window.h"
#include "win32/config_window.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"
#include "win32/win32_process_info.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using testing::ChildWithText;
using testing::TabOrder;
using testing::TextOf;
using testing::TFakePlatform;

class SettingsDialogsTest : public ::testing::Test {
 protected:
  SettingsDialogsTest() { SysVar = std::make_unique<TSysVar>(fake.Platform); }
  ~SettingsDialogsTest() override { SysVar.reset(); }
  TFakePlatform fake;
};

TEST_F(SettingsDialogsTest, TheSettingsDialogHasItsFrameControlsAndTabOrder) {
  TConfigWindow window(fake.Platform);
  ASSERT_TRUE(window.Create(nullptr));
  const HWND dialog = window.Handle();
  EXPECT_EQ(TextOf(dialog), Utf8ToCp949("프로그램 실행 환경 설정"));
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, window.Dpi().Scale(477));
  EXPECT_EQ(client.bottom, window.Dpi().Scale(388));
  const LONG_PTR style = GetWindowLongPtrW(dialog, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

  for (const char* caption :
       {"FTP 접속 프로그램 설정", "SSH 접속 프로그램 설정", "확 인", "취 소", " 바로가기 ",
        "바로가기란 ?\r\r포반 실행시 도메인을 미리 입력해 두고, 포반 실행시에 \r\r자동으로 해당 "
        "도메인의 포반를 열어주는 기능입니다",
        "바로가기 도메인 : ", "도메인 접속후 실행 프로그램 : ", "바로가기 실행시 프로그램 최소화 :",
        "바로가기생성"}) {
    SCOPED_TRACE(caption);
    EXPECT_NE(ChildWithText(dialog, Utf8ToCp949(caption)), nullptr);
  }

  const HWND clientType = FindWindowExW(dialog, nullptr, L"ComboBox", nullptr);
  ASSERT_NE(clientType, nullptr);
  EXPECT_EQ(SendMessageW(clientType, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(clientType, CB_GETCURSEL, 0, 0), 1);
  wchar_t first[32] = {};
  SendMessageW(clientType, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
  EXPECT_EQ(Narrow(first), Utf8ToCp949("실행안함"));

  // The paths shown are SysVar's.
  EXPECT_EQ(TabOrder(dialog, 9),
            (std::vector<std::string>{"Edit:.\\FileZilla\\filezilla.exe",
                                      "Edit:.\\PuTTY\\putty.exe", "Button:" + Utf8ToCp949("확 인"),
                                      "Button:" + Utf8ToCp949("취 소"), "Edit:", "ComboBox:FTP",
                                      "Button:", "Button:" + Utf8ToCp949("바로가기생성"),
                                      "Edit:.\\FileZilla\\filezilla.exe"}));
}

TEST_F(SettingsDialogsTest, TheDomainBoxTurnsTypedLettersToLowerCase) {
  TConfigWindow window(fake.Platform);
  ASSERT_TRUE(window.Create(nullptr));
  const HWND first = FindWindowExW(window.Handle(), nullptr, L"Edit", nullptr);
  const HWND second = FindWindowExW(window.Handle(), first, L"Edit", nullptr);
  const HWND url = FindWindowExW(window.Handle(), second, L"Edit", nullptr);
  ASSERT_NE(url, nullptr);
  for (wchar_t c : std::wstring(L"Demo.EXAMPLE")) {
    SendMessageW(url, WM_CHAR, c, 0);
  }
  EXPECT_EQ(TextOf(url), "demo.example");
}

TEST_F(SettingsDialogsTest, OkThroughTheViewStoresThePathsAndEndsTheDialog) {
  TConfigWindow window(fake.Platform);
  ASSERT_TRUE(window.Create(nullptr));
  const HWND ftp = FindWindowExW(window.Handle(), nullptr, L"Edit", nullptr);
  SetWindowTextW(ftp, L"D:\\ftp.exe");
  SendMessageW(ChildWithText(window.Handle(), Utf8ToCp949("확 인")), BM_CLICK, 0, 0);
  EXPECT_EQ(SysVar->FTPPath, "D:\\ftp.exe");
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()],
            "[config]\r\nFTPPath=D:\\ftp.exe\r\nSSHPath=.\\PuTTY\\putty.exe\r\n");
}

TEST_F(SettingsDialogsTest, TheAboutBoxFindsTheHistoryBesideTheExecutableFromAnywhere) {
  // The test executable stands for Porvan.exe: its history file is written beside it.
  TWin32FileSystem files;
  TWin32ProcessInfo process;
  TPlatform platform{files,           process,         fake.Version,   fake.Messages,
                     *fake.Sockets,   fake.Network,    fake.Launcher,  fake.ShellFolders,
                     fake.ShellLinks, fake.OpenDialog, fake.Urls,      fake.UrlTransfer,
                     fake.TempPath,   fake.Signatures, fake.Instances, fake.Waits};
  const std::wstring history = testing::TestExecutableFolder() + L"history.txt";
  testing::WriteWholeFile(history, "1.5.0.0\n - \xB0\xA1\n");
  testing::TTempFolder elsewhere(L"porvan-cwd");
  wchar_t previous[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(elsewhere.Path().c_str());

  TAboutWindow window(platform);
  const bool created = window.Create(nullptr);
  SetCurrentDirectoryW(previous);
  DeleteFileW(history.c_str());
  ASSERT_TRUE(created);

  const HWND dialog = window.Handle();
  EXPECT_EQ(TextOf(dialog), Utf8ToCp949("Porvan 접근통제 시스템에 대하여"));
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, window.Dpi().Scale(410));
  EXPECT_EQ(client.bottom, window.Dpi().Scale(296));
  EXPECT_FALSE(GetWindowLongPtrW(dialog, GWL_STYLE) & WS_SYSMENU);
  EXPECT_TRUE(fake.Messages.Shown.empty());
  const HWND memo = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
  EXPECT_EQ(TextOf(memo), "1.5.0.0\r\n - \xB0\xA1\r\n");
  EXPECT_TRUE(GetWindowLongPtrW(memo, GWL_STYLE) & WS_VSCROLL);
  EXPECT_NE(ChildWithText(dialog, "1.5.0.0"), nullptr);
  EXPECT_NE(ChildWithText(dialog, "http://porvan.example/"), nullptr);
  EXPECT_EQ(TabOrder(dialog, 3), (std::vector<std::string>{"Button:" + Utf8ToCp949("닫기"),
                                                           "Edit:1.5.0.0\r\n - \xB0\xA1\r\n",
                                                           "Button:" + Utf8ToCp949("닫기")}));
}

}  // namespace
}  // namespace porvan
