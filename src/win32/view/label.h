// A one-line text label of fixed size: text that does not fit is clipped.
#pragma once

#include "platform/controls.h"
#include "win32/view/control.h"

namespace porvan {

class TLabel : public TControl, public ILabel {
 public:
  TLabel(TWindow& window, TControlSpec options, COLORREF textColor);

  void SetText(const std::string& text) override;
  HBRUSH OnColor(HDC dc) override;

 private:
  COLORREF textColor_;
};

}  // namespace porvan
