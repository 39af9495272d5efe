// The window host of a form: what form logic asks of its window and of the program, on Win32.
#pragma once

#include <windows.h>

#include <functional>
#include <map>

#include "platform/controls.h"

namespace porvan {

// Shows one modal dialog over `owner` and gives its modal result.
using TShowDialog = std::function<int(HWND owner)>;

// The dialogs a window can open; the engineers of each dialog plug theirs in here.
using TDialogTable = std::map<TDialogKind, TShowDialog>;

class TWindowHost : public IWindowHost {
 public:
  TWindowHost(HWND window, TDialogTable dialogs) : window_(window), dialogs_(std::move(dialogs)) {}

  // A dialog not plugged in shows nothing and gives 0, the "none" result.
  int ShowDialog(TDialogKind kind) override;
  void PostStartup() override;
  void ProcessMessages() override;
  void Close() override;
  void Minimize() override;
  bool IsMinimized() override;
  void Restore() override;
  void SetVisible(bool visible) override;

 private:
  HWND window_;
  TDialogTable dialogs_;
};

}  // namespace porvan
