// A label drawn as a web link: underlined, a hand over it, one callback for its click.
#pragma once

#include <functional>

#include "platform/dialog_controls.h"
#include "win32/view/control.h"

namespace porvan {

class TLinkLabel : public TControl, public ILinkLabel {
 public:
  // The font of `options` should be underlined; the text starts in the system's highlight colour.
  TLinkLabel(TWindow& window, TControlSpec options, std::function<void()> onClick);

  void SetColor(TRgb color) override;
  void OnCommand(WORD code) override;
  HBRUSH OnColor(HDC dc) override;

 protected:
  bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  std::function<void()> onClick_;
  COLORREF color_;
};

}  // namespace porvan
