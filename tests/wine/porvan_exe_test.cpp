// Porvan.exe as a whole: a first run writes its defaults; an unwritable file ends it with an error.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/notice.h"
#include "platform/code_page.h"
#include "support/loopback_server.h"
#include "support/server_session.h"
#include "win32/wide_text.h"
#include "wine/wine_support.h"

namespace porvan {
namespace {

using testing::TTempFolder;

// A copy of Porvan.exe in a folder of its own, so its settings file is a fresh one.
struct TPorvanCopy {
  TTempFolder folder{L"porvan-exe"};
  std::wstring exe = folder.Path() + L"Porvan.exe";
  TPorvanCopy() { CopyFileW(testing::PorvanExePath().c_str(), exe.c_str(), FALSE); }
};

TEST(PorvanExeTest, AFirstRunWritesTheProgramDefaults) {
  // Only the server is set beforehand, on loopback, so the start-up asks nothing elsewhere.
  testing::TLoopbackServer server({{testing::HttpReply("127.0.0.1")}, {testing::HttpReply("OK")}});
  TPorvanCopy copy;
  const std::string serverLine = "ServerURL=" + server.Url("/porvan.php") + "\r\n";
  testing::WriteWholeFile(copy.folder.Path() + L"Porvan.ini", "[config]\r\n" + serverLine);
  testing::TProcess porvan(copy.exe, L"", copy.folder.Path());
  ASSERT_TRUE(porvan.Started());
  HWND window = testing::WaitForWindow(L"TfmMain", nullptr, 20000);
  ASSERT_NE(window, nullptr);
  for (int waited = 0; server.Requests().size() < 2 && waited < 20000; waited += 50) {
    Sleep(50);
  }
  wchar_t title[128] = {};
  GetWindowTextW(window, title, 128);
  EXPECT_EQ(Narrow(title), Utf8ToCp949(kApplicationTitle));
  EXPECT_EQ(testing::ReadWholeFile(copy.folder.Path() + L"Porvan.ini"),
            "[config]\r\n" + serverLine +
                "FTPPath=.\\FileZilla\\filezilla.exe\r\nSSHPath=.\\PuTTY\\putty.exe\r\n");
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(porvan.WaitForExit(20000), 0u);
}

TEST(PorvanExeTest, AnUnwritableSettingsFileEndsTheProgramWithAnErrorBox) {
  TPorvanCopy copy;
  // A folder in the way of the settings file: it can be neither read nor replaced.
  ASSERT_TRUE(CreateDirectoryW((copy.folder.Path() + L"Porvan.ini").c_str(), nullptr));
  testing::TProcess porvan(copy.exe, L"", copy.folder.Path());
  ASSERT_TRUE(porvan.Started());
  HWND box = testing::WaitForWindow(L"#32770", Wide(Utf8ToCp949(kApplicationTitle)).c_str(), 20000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(FindWindowW(L"TfmMain", nullptr), nullptr);  // no window before the error
  HWND text = GetDlgItem(box, 0xFFFF);                   // the box's static text
  wchar_t message[512] = {};
  GetWindowTextW(text, message, 512);
  EXPECT_EQ(Narrow(message), "Unable to write to " + Narrow(copy.folder.Path()) + "Porvan.ini");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(porvan.WaitForExit(20000), 1u);
}

}  // namespace
}  // namespace porvan
