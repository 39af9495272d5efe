// A multi-line text area: long lines wrapped, a vertical scroll bar, no frame of its own.
#pragma once

#include <functional>

#include "platform/controls.h"
#include "win32/view/control.h"

namespace porvan {

class TMemo : public TControl, public IEditBox {
 public:
  // `background` fills the area; `onKeyDown` sees each key first and returns true when it took
  // it (a window with key preview).
  TMemo(TWindow& window, TControlSpec options, COLORREF background,
        std::function<bool(int key)> onKeyDown);

  // Texts break lines at CR LF.
  std::string Text() override;
  void SetText(const std::string& text) override;
  void SetReadOnly(bool readOnly) override;
  void SetFocus() override;
  HBRUSH OnColor(HDC dc) override;

 protected:
  bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  COLORREF background_;
  TBrushObject brush_;
  std::function<bool(int key)> onKeyDown_;
};

}  // namespace porvan
