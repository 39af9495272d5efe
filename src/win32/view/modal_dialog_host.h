// IDialogHost on a TModalDialog: what a dialog's form logic asks of its window.
#pragma once

#include "platform/dialog_host.h"
#include "win32/message_pump.h"
#include "win32/view/modal_dialog.h"

namespace porvan {

class TModalDialogHost : public IDialogHost {
 public:
  explicit TModalDialogHost(TModalDialog& dialog) : dialog_(dialog) {}

  void ProcessMessages() override { HandleWaitingMessages(); }
  void PostStartup() override { PostMessageW(dialog_.Handle(), WM_APP_STARTUP, 0, 0); }
  void SetModalResult(int result) override { dialog_.EndModal(result); }

 private:
  TModalDialog& dialog_;
};

}  // namespace porvan
