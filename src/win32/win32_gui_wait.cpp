// The wait seam on Windows: the exchange on a worker thread, the GUI thread's messages pumped
// with MsgWaitForMultipleObjectsEx until it is done.
#include "win32/win32_gui_wait.h"

#include <utility>

namespace porvan {
namespace {

// The wait this thread is in, for the window procedures; null outside a wait. Windows calls the
// procedures with no way to hand them anything, so the wait makes itself known here for as long
// as it lasts.
thread_local TWin32GuiWait* currentWait = nullptr;

// The program's own messages: WM_APP_STARTUP, WM_APP_QUIT, the tray's notifications.
bool IsProgramMessage(UINT message) {
  return message >= WM_APP && message <= 0xBFFF;
}

// Wine copies what a window painted to the X screen when the thread finds its queue empty, at
// most every 50 ms; looking again every 100 ms lets it do so while no message comes.
constexpr DWORD kLookEveryMs = 100;

bool IsMouseButton(UINT message) {
  return (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK) ||
         (message >= WM_XBUTTONDOWN && message <= WM_XBUTTONDBLCLK);
}

bool IsNonClientButton(UINT message) {
  return (message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK) ||
         (message >= WM_NCXBUTTONDOWN && message <= WM_NCXBUTTONDBLCLK);
}

}  // namespace

TWhileWaiting WhileWaiting(UINT message, WPARAM wParam) {
  if ((message >= WM_KEYFIRST && message <= WM_KEYLAST) || IsMouseButton(message)) {
    return TWhileWaiting::Drop;
  }
  if (IsNonClientButton(message)) {
    // The title bar still moves the window and the minimise box still minimises it.
    const bool moves =
        message == WM_NCLBUTTONDOWN && (wParam == HTCAPTION || wParam == HTMINBUTTON);
    return moves || message == WM_NCLBUTTONUP ? TWhileWaiting::Pass : TWhileWaiting::Drop;
  }
  switch (message) {
    case WM_COMMAND:
      // A click, a menu item or a dialog key; notifications of the controls pass.
      return HIWORD(wParam) == BN_CLICKED ? TWhileWaiting::Drop : TWhileWaiting::Pass;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE:
          return TWhileWaiting::Hold;
        case SC_KEYMENU:
        case SC_MOUSEMENU:
          return TWhileWaiting::Drop;
        default:
          return TWhileWaiting::Pass;
      }
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
      return TWhileWaiting::Hold;
    case WM_ENDSESSION:
      return wParam != FALSE ? TWhileWaiting::Hold : TWhileWaiting::Pass;
    default:
      return IsProgramMessage(message) ? TWhileWaiting::Hold : TWhileWaiting::Pass;
  }
}

void TWin32GuiWait::Run(const std::function<void()>& exchange) {
  // Without a worker the exchange blocks, as it always did; it still gets done.
  if (waiting_ || !worker_.Start(exchange)) {
    exchange();
    return;
  }
  waiting_ = true;
  currentWait = this;
  HANDLE done = worker_.Done();
  const ULONGLONG cursorAt = GetTickCount64() + kWaitCursorAfter.count();
  for (;;) {
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(1, &done, kLookEveryMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken == WAIT_OBJECT_0) {
      break;
    }
    if (woken == WAIT_FAILED) {
      WaitForSingleObject(done, INFINITE);
      break;
    }
    if (!cursorBefore_ && GetTickCount64() >= cursorAt) {
      ShowWaitCursor();
    }
    PumpWaiting();
  }
  currentWait = nullptr;
  waiting_ = false;
  if (const std::optional<HCURSOR> before = std::exchange(cursorBefore_, std::nullopt)) {
    SetCursor(*before);
  }
  ReleaseHeld();
  worker_.Finish();
}

void TWin32GuiWait::ShowWaitCursor() {
  const HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  if (!cursorBefore_) {
    cursorBefore_ = before;
  }
}

void TWin32GuiWait::PumpWaiting() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitHeld_ = true;
      quitCode_ = static_cast<int>(message.wParam);
      continue;
    }
    switch (WhileWaiting(message.message, message.wParam)) {
      case TWhileWaiting::Drop:
        break;
      case TWhileWaiting::Hold:
        Hold(message.hwnd, message.message, message.wParam, message.lParam);
        break;
      case TWhileWaiting::Pass:
        TranslateMessage(&message);
        DispatchMessageW(&message);
        break;
    }
  }
}

void TWin32GuiWait::Hold(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_QUERYENDSESSION) {
    message = WM_ENDSESSION;
    wParam = TRUE;
  }
  MSG held{};
  held.hwnd = window;
  held.message = message;
  held.wParam = wParam;
  held.lParam = lParam;
  held_.push_back(held);
}

void TWin32GuiWait::ReleaseHeld() {
  // Posted again in their order, so the loop that runs next handles them once the caller of
  // the exchange has gone on.
  for (const MSG& held : std::exchange(held_, {})) {
    if (held.hwnd != nullptr) {
      PostMessageW(held.hwnd, held.message, held.wParam, held.lParam);
    } else {
      PostThreadMessageW(GetCurrentThreadId(), held.message, held.wParam, held.lParam);
    }
  }
  if (std::exchange(quitHeld_, false)) {
    PostQuitMessage(quitCode_);
  }
}

bool TWin32GuiWait::Intercept(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT& result) {
  TWin32GuiWait* wait = currentWait;
  if (wait == nullptr) {
    return false;
  }
  if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
    wait->ShowWaitCursor();
    result = TRUE;
    return true;
  }
  switch (WhileWaiting(message, wParam)) {
    case TWhileWaiting::Pass:
      return false;
    case TWhileWaiting::Hold:
      wait->Hold(window, message, wParam, lParam);
      break;
    case TWhileWaiting::Drop:
      break;
  }
  // Zero is also "not now" to a session-end question.
  result = 0;
  return true;
}

}  // namespace porvan
