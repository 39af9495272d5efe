// A multi-line text area: long lines wrapped, a vertical scroll bar, no frame of its own.
#pragma once

#include <functional>

#include "win32/view/edit_control.h"

namespace porvan {

// Texts break lines at CR LF.
class TMemo : public TEditControl {
 public:
  // `background` fills the area; `onKeyDown` sees each key first and returns true when it took
  // it (a window with key preview).
  TMemo(TWindow& window, TControlSpec options, COLORREF background,
        std::function<bool(int key)> onKeyDown);

 protected:
  bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  std::function<bool(int key)> onKeyDown_;
};

}  // namespace porvan
