// Porvan.exe in a folder whose name CP949 cannot hold (Latin accents, Thai, an emoji beside
// Korean): its settings, its history, the client program it starts, and an update downloaded
// into a temporary folder named the same way.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/path_text.h"
#include "support/foreign_names.h"
#include "support/loopback_server.h"
#include "support/server_session.h"
#include "support/transfer_cases.h"
#include "update/update_alert.h"
#include "win32/wide_text.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using testing::FileExists;
using testing::HttpReply;
using testing::ReadWholeFile;

const std::wstring kForeign = PathFromUtf8(testing::kForeignFolderName).native();

std::wstring BuiltFile(const wchar_t* name) {
  return testing::TestExecutableFolder() + L"..\\" + name;
}

// Waits up to 20 s for the file to appear.
bool WaitForFile(const std::wstring& path) {
  for (int waited = 0; waited < 20000 && !FileExists(path); waited += 50) {
    Sleep(50);
  }
  return FileExists(path);
}

std::wstring SentText(HWND control) {
  wchar_t text[512] = {};
  // Sent, not GetWindowText: that does not ask a control of another process.
  SendMessageW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

// The variables a started program inherits, set for the test's lifetime.
class TTemporaryFolderVariables {
 public:
  explicit TTemporaryFolderVariables(const std::wstring& folder) {
    for (const wchar_t* name : {L"TEMP", L"TMP"}) {
      wchar_t value[MAX_PATH] = {};
      const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
      saved_.push_back({name, std::wstring(value, length < MAX_PATH ? length : 0), length > 0});
      SetEnvironmentVariableW(name, folder.c_str());
    }
  }
  TTemporaryFolderVariables(const TTemporaryFolderVariables&) = delete;
  TTemporaryFolderVariables& operator=(const TTemporaryFolderVariables&) = delete;
  ~TTemporaryFolderVariables() {
    for (const TSaved& saved : saved_) {
      SetEnvironmentVariableW(saved.Name, saved.Present ? saved.Value.c_str() : nullptr);
    }
  }

 private:
  struct TSaved {
    const wchar_t* Name;
    std::wstring Value;
    bool Present;
  };
  std::vector<TSaved> saved_;
};

// A relative Korean program path in CP949, as the settings file holds it: it names the stand-in
// beside Porvan.exe, so the foreign folder is part of the path the shell is handed.
TEST(ForeignFolderTest, SettingsHistoryAndClientProgramBesideTheExecutable) {
  testing::TLoopbackServer server{{{HttpReply("198.51.100.4")},
                                   {HttpReply("OK")},
                                   {HttpReply("SUCCESS:Access_opened:FTP:example.com")},
                                   {HttpReply("SUCCESS:Access_closed:FTP:example.com")}}};
  testing::TTempFolder folder(L"porvan " + kForeign);
  const std::wstring exe = folder.Path() + L"Porvan.exe";
  const std::wstring client = folder.Path() + L"\uD074\uB77C\uC774\uC5B8\uD2B8.exe";  // 클라이언트
  ASSERT_TRUE(CopyFileW(BuiltFile(L"Porvan.exe").c_str(), exe.c_str(), FALSE));
  ASSERT_TRUE(CopyFileW(BuiltFile(L"record_run.exe").c_str(), client.c_str(), FALSE));
  const std::string history = Utf8ToCp949("1.5.0.0\r\n- 경로 José\r\n");
  testing::WriteWholeFile(folder.Path() + L"history.txt", history);
  const std::string settings = "[config]\r\nFTPPath=.\\" + Utf8ToCp949("클라이언트") +
                               ".exe\r\nServerURL=" + server.Url("/porvan.php") + "\r\n";
  testing::WriteWholeFile(folder.Path() + L"Porvan.ini", settings);

  testing::TProcess porvan(exe, L"Example.COM FTP false", folder.Path());
  ASSERT_TRUE(porvan.Started());
  ASSERT_TRUE(WaitForFile(client + L".ran"));
  const HWND window = testing::WaitForWindowOf(porvan.Id(), L"TfmMain", 20000);
  ASSERT_NE(window, nullptr);
  // Read back, and the missing key written beside the others.
  EXPECT_EQ(ReadWholeFile(folder.Path() + L"Porvan.ini"),
            settings + "SSHPath=.\\PuTTY\\putty.exe\r\n");

  PostMessageW(testing::ChildWithText(window, "?"), BM_CLICK, 0, 0);
  const HWND about = testing::WaitForWindowOf(porvan.Id(), L"TfmAbout", 20000);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(SentText(FindWindowExW(about, nullptr, L"EDIT", nullptr)), Wide(history));
  PostMessageW(about, WM_CLOSE, 0, 0);
  for (int waited = 0; waited < 20000 && IsWindow(about); waited += 50) {
    Sleep(50);
  }

  PostMessageW(window, 0x8083, 0, 0);  // WM_APP_QUIT
  EXPECT_EQ(porvan.WaitForExit(20000), 0u);
  EXPECT_EQ(server.Requests().size(), 4u);
}

// The server names a newer installer; it is fetched into TEMP and started from there. The
// stand-in installer records where it ran.
TEST(ForeignFolderTest, AnUpdateIsDownloadedIntoAForeignTemporaryFolderAndStarted) {
  const std::string installer = ReadWholeFile(BuiltFile(L"record_run.exe"));
  testing::TLoopbackServer files{{{"HTTP/1.1 200 OK\r\n\r\n"}, {testing::OkReply(installer)}}};
  testing::TLoopbackServer server{
      {{HttpReply("198.51.100.4")}, {HttpReply("UPDATE|" + files.Url("/dl/setup.exe"))}}};
  testing::TTempFolder program(L"porvan-update-program");
  testing::TTempFolder temp(L"temp " + kForeign);
  const std::wstring exe = program.Path() + L"Porvan.exe";
  ASSERT_TRUE(CopyFileW(BuiltFile(L"Porvan.exe").c_str(), exe.c_str(), FALSE));
  testing::WriteWholeFile(program.Path() + L"Porvan.ini",
                          "[config]\r\nFTPPath=x.exe\r\nSSHPath=y.exe\r\nServerURL=" +
                              server.Url("/porvan.php") + "\r\n");
  std::wstring tempFolder = temp.Path();
  tempFolder.pop_back();  // as users set it, without the closing "\"
  const TTemporaryFolderVariables variables(tempFolder);

  testing::TProcess porvan(exe, L"", program.Path());
  ASSERT_TRUE(porvan.Started());
  const HWND alert = testing::WaitForWindowOf(porvan.Id(), L"TfmUpdateAlert", 20000);
  ASSERT_NE(alert, nullptr);
  PostMessageW(testing::ChildWithText(alert, Utf8ToCp949(kUpdateAlertRunText)), BM_CLICK, 0, 0);
  // GetTempPathW gives TEMP with its "\": the download lands there whole, and starts from there.
  ASSERT_TRUE(WaitForFile(temp.Path() + L"setup.exe.ran"));
  EXPECT_TRUE(ReadWholeFile(temp.Path() + L"setup.exe") == installer);
  PostMessageW(alert, 0x8083, 0, 0);  // WM_APP_QUIT: the alert's quit ends the program
  EXPECT_EQ(porvan.WaitForExit(20000), 0u);
  EXPECT_EQ(files.Requests().size(), 2u);
}

}  // namespace
}  // namespace porvan
