// Fakes of the control and window interfaces.
#include "support/fake_controls.h"

namespace porvan::testing {

int FakeWindowHost::ShowDialog(TDialogKind kind) {
  Calls.push_back("ShowDialog " + std::to_string(static_cast<int>(kind)));
  if (const auto action = DialogActions.find(kind); action != DialogActions.end()) {
    return action->second();
  }
  const auto found = DialogResults.find(kind);
  return found == DialogResults.end() ? 0 : found->second;
}

void FakeWindowHost::ProcessMessages() {
  Calls.push_back("ProcessMessages");
  if (OnProcessMessages) {
    OnProcessMessages();
  }
}

void FakeWindowHost::Close() {
  Calls.push_back("Close");
  if (OnClose) {
    OnClose();
  }
}

void FakeWindowHost::Minimize() {
  Calls.push_back("Minimize");
  Minimized = true;
}

void FakeWindowHost::Restore() {
  Calls.push_back("Restore");
  Minimized = false;
  Visible = true;
}

void FakeWindowHost::SetVisible(bool visible) {
  Calls.push_back(visible ? "Show" : "Hide");
  Visible = visible;
}

}  // namespace porvan::testing
