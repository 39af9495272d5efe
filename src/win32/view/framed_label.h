// A label that paints its text centred on white inside a coloured flat frame, like a banner.
#pragma once

#include "platform/controls.h"
#include "win32/view/control.h"

namespace porvan {

struct TFrameColors {
  COLORREF Frame;
  COLORREF Highlight;  // the inner edge at the top and left
  COLORREF Shadow;     // the inner edge at the bottom and right
};

class TFramedLabel : public TControl, public ILabel {
 public:
  TFramedLabel(TWindow& window, TControlSpec options, TFrameColors colors);
  // Paints the new text at once: the window may be about to block in a long call.
  void SetText(const std::string& text) override;
  void OnDraw(const DRAWITEMSTRUCT& item) override;

 private:
  TFrameColors colors_;
};

}  // namespace porvan
