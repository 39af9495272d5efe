// A check box with its caption; the form logic reads whether it is checked.
#pragma once

#include "platform/dialog_controls.h"
#include "win32/view/control.h"

namespace porvan {

class TCheckBox : public TControl, public ICheckBox {
 public:
  TCheckBox(TWindow& window, TControlSpec options);

  bool Checked() override;
  HBRUSH OnColor(HDC dc) override;
};

}  // namespace porvan
