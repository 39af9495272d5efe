// The window host of a form on Win32.
#include "win32/view/window_host.h"

#include "win32/view/window.h"

namespace porvan {

int TWindowHost::ShowDialog(TDialogKind kind) {
  const auto found = dialogs_.find(kind);
  return found != dialogs_.end() && found->second ? found->second(window_) : 0;
}

void TWindowHost::PostStartup() {
  PostMessageW(window_, WM_APP_STARTUP, 0, 0);
}

void TWindowHost::ProcessMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Not ours to take: the outer loop must still see it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void TWindowHost::Close() {
  SendMessageW(window_, WM_CLOSE, 0, 0);
}

void TWindowHost::Minimize() {
  ShowWindow(window_, SW_MINIMIZE);
}

bool TWindowHost::IsMinimized() {
  return IsIconic(window_) != FALSE;
}

void TWindowHost::Restore() {
  ShowWindow(window_, SW_RESTORE);
  SetForegroundWindow(window_);
}

void TWindowHost::SetVisible(bool visible) {
  ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
}

}  // namespace porvan
