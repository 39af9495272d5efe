// Holds the update alert mid-download for a screenshot (./dev shot --all): a loopback server
// sends a 20 MB installer in 40 parts over 20 seconds while the alert shows its bar. The
// downloaded file goes to the temporary folder and is never started.
#include <windows.h>

#include <chrono>
#include <string>

#include "common/code_page.h"
#include "platform/program_launcher.h"
#include "support/slow_installer_server.h"
#include "support/transfer_cases.h"
#include "update/update_alert.h"
#include "win32/com_apartment.h"
#include "win32/update_alert_window.h"
#include "win32/wide_text.h"
#include "win32/win32_platform.h"

namespace {

// The body is numbered bytes, not a program: nothing is started.
class TNoLauncher : public porvan::IProgramLauncher {
 public:
  bool Open(const porvan::TPath& /*path*/) override { return true; }
};

}  // namespace

int wmain() {
  using namespace porvan;
  using namespace std::chrono_literals;
  TComApartment com;
  testing::TSlowInstallerServer server(testing::NumberedBody(20 * 1024 * 1024), 40, 20s);
  if (!server.Listening()) {
    return 1;
  }
  TWin32Platform seams;
  TNoLauncher launcher;
  TPlatform platform = seams.With(launcher);

  TUpdateAlertWindow window(platform, server.Url());
  if (!window.Create(nullptr)) {
    return 1;
  }
  const HWND run = FindWindowExW(window.Handle(), nullptr, L"Button",
                                 Wide(Utf8ToCp949(kUpdateAlertRunText)).c_str());
  PostMessageW(run, BM_CLICK, 0, 0);
  // Takes effect once the download has ended.
  PostMessageW(window.Handle(), WM_APP_QUIT, 0, 0);
  return window.ShowModal(nullptr) == kUpdateAlertQuit ? 0 : 1;
}
