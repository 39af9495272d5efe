// The update alert as a real window: make-up, the ways out, and a download with a live bar.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/path_text.h"
#include "platform/program_launcher.h"
#include "settings/run_state.h"
#include "support/fake_platform.h"
#include "support/foreign_names.h"
#include "support/slow_installer_server.h"
#include "support/transfer_cases.h"
#include "update/update_alert.h"
#include "win32/update_alert_window.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"
#include "win32/win32_url_transfer.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using testing::ChildWithText;
using testing::TextOf;

// Starts nothing; notes each path and what the alert's bar showed at that moment.
class TRecordingLauncher : public IProgramLauncher {
 public:
  std::vector<TPath> Opened;
  std::string BarText;
  bool Open(const TPath& path) override {
    Opened.push_back(path);
    const HWND alert = FindWindowW(L"TfmUpdateAlert", nullptr);
    const HWND bar = FindWindowExW(alert, nullptr, L"Static", nullptr);
    for (HWND child = bar; child != nullptr;
         child = FindWindowExW(alert, child, L"Static", nullptr)) {
      if (IsWindowVisible(child) && TextOf(child).ends_with("%")) {
        BarText = TextOf(child);
      }
    }
    return true;
  }
};

class UpdateAlertWindowTest : public ::testing::Test {
 protected:
  UpdateAlertWindowTest() { SysVar = std::make_unique<TSysVar>(fake.Platform); }
  ~UpdateAlertWindowTest() override { SysVar.reset(); }

  HWND Button(HWND alert, const std::string& caption) { return ChildWithText(alert, caption); }

  // Presses "업데이트 실행" for a download from a slow loopback server into a folder of the
  // test's own, named with characters CP949 lacks, with the real transfer and files; a quit
  // request waits meanwhile.
  void DownloadThroughTheAlert(int pieces, std::chrono::milliseconds duration) {
    const std::string body = testing::NumberedBody(20 * 1024 * 1024);
    testing::TSlowInstallerServer server(body, pieces, duration);
    testing::TTempFolder folder(L"update-alert " +
                                PathFromUtf8(testing::kForeignFolderName).native());
    fake.TempPath.Path = PathToUtf8(folder.Path());
    TWin32FileSystem files;
    std::unique_ptr<IUrlTransfer> transfer = std::make_unique<TUrlMonikerTransfer>();
    TRecordingLauncher launcher;
    TPlatform platform = fake.Platform;
    TPlatform real{files,
                   platform.Process,
                   platform.Version,
                   platform.Messages,
                   platform.Sockets,
                   platform.Network,
                   launcher,
                   platform.ShellFolders,
                   platform.ShellLinks,
                   platform.OpenDialog,
                   platform.Urls,
                   *transfer,
                   platform.TempPath,
                   platform.Signatures,
                   platform.Instances,
                   platform.Waits};
    TUpdateAlertWindow window(real, server.Url());
    ASSERT_TRUE(window.Create(nullptr));
    PostMessageW(Button(window.Handle(), Utf8ToCp949(kUpdateAlertRunText)), BM_CLICK, 0, 0);
    PostMessageW(window.Handle(), WM_APP_QUIT, 0, 0);
    // The quit takes effect once the download has ended and the installer was started.
    EXPECT_EQ(window.ShowModal(nullptr), kUpdateAlertQuit);
    const std::wstring path = folder.Path() + L"\\setup.exe";
    ASSERT_EQ(launcher.Opened.size(), 1u);
    EXPECT_EQ(launcher.Opened[0].native(), path);
    EXPECT_EQ(launcher.BarText, "100%");
    EXPECT_TRUE(testing::ReadWholeFile(path) == body);
  }

  testing::TFakePlatform fake;
};

TEST_F(UpdateAlertWindowTest, HasItsFrameControlsAndTabOrder) {
  TUpdateAlertWindow window(fake.Platform, "");
  ASSERT_TRUE(window.Create(nullptr));
  const HWND alert = window.Handle();
  EXPECT_EQ(FindWindowW(L"TfmUpdateAlert", nullptr), alert);
  EXPECT_EQ(TextOf(alert), Utf8ToCp949(kUpdateAlertCaption));
  RECT client{};
  GetClientRect(alert, &client);
  EXPECT_EQ(client.right, window.Dpi().Scale(497));
  EXPECT_EQ(client.bottom, window.Dpi().Scale(145));
  const LONG_PTR style = GetWindowLongPtrW(alert, GWL_STYLE);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  for (const std::string& text :
       {Utf8ToCp949(kUpdateAlertLabel1), Utf8ToCp949(kUpdateAlertLabel2)}) {
    EXPECT_NE(ChildWithText(alert, text), nullptr);
  }
  const HWND bar = ChildWithText(alert, "");
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(IsWindowVisible(bar));
  EXPECT_EQ(testing::TabOrder(alert, 4),
            (std::vector<std::string>{"Button:" + Utf8ToCp949(kUpdateAlertRunText),
                                      "Button:" + Utf8ToCp949(kUpdateAlertQuitText),
                                      "Button:" + Utf8ToCp949(kUpdateAlertSkipText),
                                      "Button:" + Utf8ToCp949(kUpdateAlertRunText)}));
}

TEST_F(UpdateAlertWindowTest, EachWayOutGivesItsModalResult) {
  struct {
    const char* name;
    std::function<void(HWND alert)> act;
    int result;
  } const cases[] = {
      {.name = "업데이트 안함",
       .act =
           [this](HWND alert) {
             PostMessageW(Button(alert, Utf8ToCp949(kUpdateAlertSkipText)), BM_CLICK, 0, 0);
           },
       .result = 1},
      {.name = "프로그램 종료",
       .act =
           [this](HWND alert) {
             PostMessageW(Button(alert, Utf8ToCp949(kUpdateAlertQuitText)), BM_CLICK, 0, 0);
           },
       .result = 3},
      {.name = "Esc",
       .act =
           [this](HWND alert) {
             PostMessageW(Button(alert, Utf8ToCp949(kUpdateAlertRunText)), WM_KEYDOWN, VK_ESCAPE,
                          0);
           },
       .result = 3},
      {.name = "WM_APP_QUIT found by class",
       .act =
           [](HWND) { PostMessageW(FindWindowW(L"TfmUpdateAlert", nullptr), WM_APP_QUIT, 0, 0); },
       .result = 3},
      {.name = "a plain close",
       .act = [](HWND alert) { PostMessageW(alert, WM_CLOSE, 0, 0); },
       .result = 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TUpdateAlertWindow window(fake.Platform, "");
    ASSERT_TRUE(window.Create(nullptr));
    c.act(window.Handle());
    EXPECT_EQ(window.ShowModal(nullptr), c.result);
    EXPECT_TRUE(fake.UrlTransfer.Downloads.empty());
  }
}

TEST_F(UpdateAlertWindowTest, DownloadsWithALiveBarThenStartsTheInstaller) {
  DownloadThroughTheAlert(10, 1s);
}

}  // namespace
}  // namespace porvan
