// A window shown modally: its owner takes no input until it ends with an integer result.
#pragma once

#include "win32/view/window.h"

namespace porvan {

// Modal results of the system: 0 none (still showing), 1 OK, 2 cancel; windows add their own.
inline constexpr int kModalNone = 0;
inline constexpr int kModalCancel = 2;

class TModalDialog : public TWindow {
 public:
  using TWindow::TWindow;

  // Creates the dialog over `owner`, shows it and runs its own message loop until EndModal, then
  // destroys it and gives the result. Closing it by its close box gives kModalCancel. A quit
  // message ends it with kModalNone and is passed on to the outer loop.
  int ShowModal(HWND owner);

  // Ends the modal showing once the current handler has returned.
  void EndModal(int result) { result_ = result; }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  int result_ = kModalNone;
};

}  // namespace porvan
