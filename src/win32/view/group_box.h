// A framed group with its caption; the controls inside are the window's, placed over it.
#pragma once

#include "win32/view/control.h"

namespace porvan {

class TGroupBox : public TControl {
 public:
  TGroupBox(TWindow& window, TControlSpec options);

  HBRUSH OnColor(HDC dc) override;
  // A place given relative to the group's top left corner, in the window's 96-DPI layout.
  TPlace Inside(TPlace place) const;

 private:
  TPlace place_;
};

}  // namespace porvan
