// The splash's view: TfmInit's one label, borderless and centred, over the main window.
#pragma once

#include <windows.h>

#include "app/splash_form.h"
#include "platform/platform.h"
#include "win32/view/framed_label.h"
#include "win32/view/modal_dialog.h"
#include "win32/view/modal_dialog_host.h"

namespace porvan {

// Creates the splash over `owner`, shows it modally while it checks the connection, and gives
// its modal result (kInitOnline or kInitOffline). SysVar must exist.
int ShowInit(TPlatform& platform, HWND owner);

class TInitWindow : public TModalDialog {
 public:
  explicit TInitWindow(TPlatform& platform);

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TModalDialogHost host_{*this};
  TFramedLabel lblMsg;  // the one line of text, framed
  TfmInit form_;
  bool activated_ = false;
};

}  // namespace porvan
