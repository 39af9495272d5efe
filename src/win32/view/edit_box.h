// A one-line edit box with a flat frame that lights up under the pointer, fixed colours, text
// kept in lower case, and one callback for key presses.
#pragma once

#include <functional>

#include "win32/view/edit_control.h"

namespace porvan {

struct TEditLook {
  COLORREF Background = RGB(255, 255, 255);  // in every state: normal, focused, read-only
  COLORREF Frame = RGB(181, 181, 181);
  COLORREF HotFrame = RGB(110, 150, 210);
  bool LowerCase = false;
};

class TEditBox : public TEditControl {
 public:
  // `onKeyDown` gets the virtual key of each key pressed; true when it took the key, which the
  // edit box then does not act on.
  TEditBox(TWindow& window, TControlSpec options, TEditLook look,
           std::function<bool(int key)> onKeyDown);

  // A box for lower case shows the text in lower case, as typing would have given it.
  void SetText(const std::string& text) override;

 protected:
  bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnFontChanged() override;

 private:
  void PaintFrame();
  int TextHeight() const;

  TEditLook look_;
  std::function<bool(int key)> onKeyDown_;
  THoverTracker hover_;
};

}  // namespace porvan
