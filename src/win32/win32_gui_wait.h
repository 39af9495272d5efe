// The wait seam on Windows: the exchange on a worker thread, the GUI thread's messages pumped
// with MsgWaitForMultipleObjectsEx until it is done.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "platform/gui_wait.h"
#include "win32/win32_exchange_worker.h"

namespace porvan {

// What becomes of a message that reaches the program while an exchange is out.
enum class TWhileWaiting {
  Pass,  // painting, moving, minimising, the system's questions: as always
  Drop,  // input that could start another road: keys, clicks, the close box, the system menu
  Hold,  // a close, a quit, the session's end, the program's own messages: after the exchange
};

// The one rule for every window of the program; `wParam` tells the hit test or the command.
TWhileWaiting WhileWaiting(UINT message, WPARAM wParam);

class TWin32GuiWait final : public IGuiWait {
 public:
  void Run(const std::function<void()>& exchange) override;
  bool Waiting() const override { return waiting_; }

  // For the window procedures of the program, for messages sent to them or dispatched by a loop
  // of the system (moving a window) while this thread waits: true when the message was dropped
  // or held here, with `result` the answer to give. A session-end question is answered "not
  // now" and held as the session's end, so the end comes once the exchange is over. Outside a
  // wait, false; so it is for a message the rule passes, except the cursor, which shows the
  // wait.
  static bool Intercept(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  void ShowWaitCursor();
  void PumpWaiting();
  void Hold(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void ReleaseHeld();

  TWin32ExchangeWorker worker_;
  bool waiting_ = false;
  std::optional<HCURSOR> cursorBefore_;  // what the wait cursor replaced, once it shows
  std::vector<MSG> held_;
  bool quitHeld_ = false;
  int quitCode_ = 0;
};

}  // namespace porvan
