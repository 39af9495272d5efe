// A button that paints its own faces (up, hot, down) and acts on a click like any button. Its
// window text is its caption, for screen readers and tests.
#pragma once

#include <functional>

#include "win32/view/control.h"

namespace porvan {

enum class TButtonFace { Up, Hot, Down };

// Paints one face into `rect`; `focused` when the button has the keyboard focus.
using TFacePainter =
    std::function<void(HDC dc, const RECT& rect, TDpi dpi, TButtonFace face, bool focused)>;

class TPictureButton : public TControl {
 public:
  TPictureButton(TWindow& window, TControlSpec options, TFacePainter painter,
                 std::function<void()> onClick);

  void OnCommand(WORD code) override;
  void OnDraw(const DRAWITEMSTRUCT& item) override;

 protected:
  bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TFacePainter painter_;
  std::function<void()> onClick_;
  THoverTracker hover_;
};

}  // namespace porvan
