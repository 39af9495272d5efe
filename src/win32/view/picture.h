// A picture drawn in code. Its window text is the caption it paints, for screen readers.
#pragma once

#include <functional>

#include "platform/controls.h"
#include "win32/view/control.h"

namespace porvan {

// Paints the whole picture into `rect` at the DPI; the background is the window's beforehand.
using TPainter = std::function<void(HDC dc, const RECT& rect, TDpi dpi)>;

class TPicture : public TControl, public IPicture {
 public:
  TPicture(TWindow& window, TControlSpec options, TPainter painter);

  void SetVisible(bool visible) override { Show(visible); }
  void OnDraw(const DRAWITEMSTRUCT& item) override;

 private:
  TPainter painter_;
};

}  // namespace porvan
