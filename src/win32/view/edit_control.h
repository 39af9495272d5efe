// What a one-line edit box and a multi-line memo share: an EDIT control with a fixed background,
// its text in CP949, read-only and focus.
#pragma once

#include "platform/controls.h"
#include "win32/view/control.h"

namespace porvan {

class TEditControl : public TControl, public IEditBox {
 public:
  // `style` is added to the EDIT class's options; `background` fills the area in every state.
  TEditControl(TWindow& window, TControlSpec options, DWORD style, COLORREF background);

  std::string Text() override;
  void SetText(const std::string& text) override;
  void SetReadOnly(bool readOnly) override;
  void SetFocus() override;
  HBRUSH OnColor(HDC dc) override;

 protected:
  HBRUSH Background() const { return brush_.get(); }

 private:
  COLORREF background_;
  TBrushObject brush_;
};

}  // namespace porvan
