// A flat progress bar that fills from the left and shows its text centred over the fill.
#pragma once

#include <string>

#include "platform/controls.h"
#include "win32/view/control.h"

namespace porvan {

// Its window text is the text it shows, for screen readers and tests.
class TProgressBar : public TControl, public IProgressBar {
 public:
  TProgressBar(TWindow& window, TControlSpec options);

  void SetVisible(bool visible) override { Show(visible); }
  void SetProgress(int position, int max) override;
  void SetText(const std::string& text) override;
  void OnDraw(const DRAWITEMSTRUCT& item) override;

 private:
  int position_ = 0;
  int max_ = 100;
  std::wstring text_;
};

}  // namespace porvan
