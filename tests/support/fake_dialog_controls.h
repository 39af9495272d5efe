// Fakes of the settings dialog's and the about box's own controls, for tests of their logic.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_controls.h"
#include "platform/dialog_host.h"

namespace porvan::testing {

class FakeDropDownList : public IDropDownList {
 public:
  std::string Selected;
  std::string SelectedText() override { return Selected; }
};

class FakeCheckBox : public ICheckBox {
 public:
  bool Value = false;
  bool Checked() override { return Value; }
};

class FakeLinkLabel : public ILinkLabel {
 public:
  std::vector<TRgb> Colors;  // every colour set, in order
  void SetColor(TRgb color) override { Colors.push_back(color); }
};

class FakeDialogHost : public IDialogHost {
 public:
  std::vector<int> Results;  // every modal result set, in order
  void ProcessMessages() override {}
  void PostStartup() override {}
  void SetModalResult(int result) override { Results.push_back(result); }
};

}  // namespace porvan::testing
