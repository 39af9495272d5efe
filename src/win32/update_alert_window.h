// The update alert's view: TfmUpdateAlert's controls in their places, its keys and messages.
#pragma once

#include <windows.h>

#include <string>

#include "platform/platform.h"
#include "update/update_alert.h"
#include "win32/view/label.h"
#include "win32/view/modal_dialog.h"
#include "win32/view/modal_dialog_host.h"
#include "win32/view/picture_button.h"
#include "win32/view/progress_bar.h"

namespace porvan {

// Creates the alert over `owner` (may be null) for the installer at `updateURL`, shows it
// modally, destroys it when it closes and gives its modal result.
int ShowUpdateAlert(TPlatform& platform, const std::string& updateURL, HWND owner);

// Registered as "TfmUpdateAlert", so another process finds it to post WM_APP_QUIT.
class TUpdateAlertWindow : public TModalDialog {
 public:
  TUpdateAlertWindow(TPlatform& platform, const std::string& updateURL);

 protected:
  void OnCreated() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TModalDialogHost host_{*this};

  // In creation order; the buttons take the focus in this order too.
  TLabel Label1;  // "Porvan 접근제어 시스템이 업데이트 되었습니다."
  TLabel Label2;  // "업데이트를 하지 않으실 경우, ..."
  TProgressBar DownloadProgress;  // the download's percentage, hidden until it starts
  TPictureButton BitBtn1;         // "업데이트 실행"
  TPictureButton BitBtn2;         // "프로그램 종료"
  TPictureButton BitBtn3;         // "업데이트 안함"

  TfmUpdateAlert form_;
};

}  // namespace porvan
