// A drop-down list without free typing: fixed items, one of them selected.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_controls.h"
#include "win32/view/control.h"

namespace porvan {

class TDropDownList : public TControl, public IDropDownList {
 public:
  // `items` are CP949; `selected` is the index shown when the control is created.
  TDropDownList(TWindow& window, TControlSpec options, std::vector<std::string> items,
                int selected);

  std::string SelectedText() override;

 protected:
  void OnFontChanged() override;

 private:
  std::vector<std::string> items_;
  int selected_;
  bool filled_ = false;
};

}  // namespace porvan
