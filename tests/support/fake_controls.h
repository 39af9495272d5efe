// Fakes of the control and window interfaces: they hold what the form logic set, for tests.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace porvan::testing {

class FakeEditBox : public IEditBox {
 public:
  std::string Value;
  bool ReadOnly = false;
  int Focused = 0;  // how often the focus was put here

  std::string Text() override { return Value; }
  void SetText(const std::string& text) override { Value = text; }
  void SetReadOnly(bool readOnly) override { ReadOnly = readOnly; }
  void SetFocus() override { ++Focused; }
};

class FakeLabel : public ILabel {
 public:
  std::string Value;
  void SetText(const std::string& text) override { Value = text; }
};

class FakePicture : public IPicture {
 public:
  bool Visible = true;
  void SetVisible(bool visible) override { Visible = visible; }
};

class FakeTrayIcon : public ITrayIcon {
 public:
  std::vector<std::string> Hints;  // every hint set, in order
  int ImageIndex = -1;
  bool Visible = false;
  bool HasTray = true;

  bool Available() override { return HasTray; }
  void SetHint(const std::string& hint) override { Hints.push_back(hint); }
  void SetImageIndex(int index) override { ImageIndex = index; }
  void SetVisible(bool visible) override { Visible = visible; }
};

// Records the requests in order ("Close", "Restore" ...); Close runs OnClose, as the window's
// own close would run the form's close handler.
class FakeWindowHost : public IWindowHost {
 public:
  std::vector<std::string> Calls;
  std::map<TDialogKind, int> DialogResults;
  // Runs in place of a dialog that has one and gives its result (the splash's check, say).
  std::map<TDialogKind, std::function<int()>> DialogActions;
  bool Minimized = false;
  bool Visible = true;
  std::function<void()> OnClose;
  // Runs as the messages waiting are handled (a WM_APP_QUIT arriving there, say).
  std::function<void()> OnProcessMessages;

  int ShowDialog(TDialogKind kind) override;
  void PostStartup() override { Calls.push_back("PostStartup"); }
  void ProcessMessages() override;
  void Close() override;
  void Minimize() override;
  bool IsMinimized() override { return Minimized; }
  void Restore() override;
  void SetVisible(bool visible) override;
};

}  // namespace porvan::testing
