// The hosts: Qt's queued calls stand in for posted messages, processEvents for the pump.
#include "qt/window_host.h"

#include <QCoreApplication>
#include <QEvent>

namespace porvan {

namespace {

const QEvent::Type kCallEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// Runs its one call when the event posted to it arrives, then goes; a child of the call's
// receiver, so a receiver that goes first takes the call with it.
class TPostedCall : public QObject {
 public:
  TPostedCall(QObject& receiver, std::function<void()> call)
      : QObject(&receiver), call_(std::move(call)) {}

  bool event(QEvent* event) override {
    if (event->type() != kCallEvent) {
      return QObject::event(event);
    }
    deleteLater();
    call_();
    return true;
  }

 private:
  std::function<void()> call_;
};

}  // namespace

void Post(QObject& receiver, const std::function<void()>& call) {
  auto* posted = new TPostedCall(receiver, call);  // owned by the receiver until it has run
  // The queue owns the event and deletes it once handled.
  QCoreApplication::postEvent(posted, new QEvent(kCallEvent));
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
