// A standard push button with one callback for its click.
#pragma once

#include <functional>

#include "win32/view/control.h"

namespace porvan {

class TPushButton : public TControl {
 public:
  TPushButton(TWindow& window, TControlSpec options, std::function<void()> onClick);

  void OnCommand(WORD code) override;

 private:
  std::function<void()> onClick_;
};

}  // namespace porvan
