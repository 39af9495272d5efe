// TfmInit: the splash that checks the connection at start and closes with the outcome.
#include "app/splash_form.h"

#include "common/code_page.h"
#include "platform/controls.h"
#include "platform/dialog_host.h"
#include "settings/run_state.h"

namespace porvan {

void TfmInit::FormActivate() {
  Window.ProcessMessages();
  Window.PostStartup();
}

void TfmInit::WMAppStartup() {
  lblMsg.SetText(Utf8ToCp949(kInitCheckingText));
  try {
    SysVar->CheckConnection();
  } catch (...) {
    // The error report shows why; the splash ends as offline instead of waiting for Escape.
    Window.SetModalResult(kInitOffline);
    throw;
  }
  if (SysVar->IsOffline) {
    lblMsg.SetText(Utf8ToCp949(kInitOfflineText));
    Window.SetModalResult(kInitOffline);
  } else {
    lblMsg.SetText(Utf8ToCp949(kInitDoneText));
    Window.SetModalResult(kInitOnline);
  }
}

}  // namespace porvan
