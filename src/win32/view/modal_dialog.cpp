// A window shown modally, with its own message loop.
#include "win32/view/modal_dialog.h"

namespace porvan {

int TModalDialog::ShowModal(HWND owner) {
  result_ = kModalNone;
  if (Handle() == nullptr && !Create(owner)) {
    return kModalNone;
  }
  const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner) != FALSE;
  if (ownerWasEnabled) {
    EnableWindow(owner, FALSE);
  }
  ShowWindow(Handle(), SW_SHOWNORMAL);
  MSG message{};
  bool quit = false;
  while (result_ == kModalNone && Handle() != nullptr) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      quit = true;
      break;
    }
    if (!IsDialogMessageW(Handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  // The owner is enabled before the dialog goes, so that it, not another program, gets the
  // activation back.
  if (ownerWasEnabled) {
    EnableWindow(owner, TRUE);
  }
  if (Handle() != nullptr) {
    DestroyWindow(Handle());
  }
  if (quit) {
    PostQuitMessage(static_cast<int>(message.wParam));
  }
  return result_;
}

bool TModalDialog::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) {
  if (message == WM_CLOSE) {
    EndModal(kModalCancel);
    result = 0;
    return true;
  }
  return false;
}

}  // namespace porvan
