// The hosts: Qt's queued calls stand in for posted messages, processEvents for the pump.
#include "qt/window_host.h"

#include <QCoreApplication>
#include <QTimer>

namespace porvan {

void Post(QObject& receiver, const std::function<void()>& call) {
  // A zero timer fires after the events already queued, in the receiver's thread.
  QTimer::singleShot(0, &receiver, call);
}

int TQtWindowHost::ShowDialog(TDialogKind kind) {
  const auto found = dialogs_.find(kind);
  return found != dialogs_.end() && found->second ? found->second(&window_) : 0;
}

void TQtWindowHost::PostStartup() {
  Post(window_, startup_);
}

void TQtWindowHost::ProcessMessages() {
  QCoreApplication::processEvents();
}

void TQtWindowHost::Restore() {
  window_.showNormal();
  window_.raise();
  window_.activateWindow();
}

void TQtDialogHost::ProcessMessages() {
  QCoreApplication::processEvents();
}

void TQtDialogHost::PostStartup() {
  Post(dialog_, startup_);
}

}  // namespace porvan
