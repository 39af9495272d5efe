// The hosts: Qt's queued calls stand in for posted messages, processEvents for the pump.
#include "qt/window_host.h"

#include <QCoreApplication>
#include <QEvent>

namespace porvan {

namespace {

// The call a posted event carries.
class TCallEvent : public QEvent {
 public:
  static const QEvent::Type kType;
  explicit TCallEvent(std::function<void()> call) : QEvent(kType), Call(std::move(call)) {}
  std::function<void()> Call;
};

const QEvent::Type TCallEvent::kType = static_cast<QEvent::Type>(QEvent::registerEventType());

// Runs the calls posted to it; a child of their receiver, so the calls go with the receiver.
class TCallRunner : public QObject {
 public:
  using QObject::QObject;
  bool event(QEvent* event) override {
    if (event->type() != TCallEvent::kType) {
      return QObject::event(event);
    }
    static_cast<TCallEvent*>(event)->Call();
    return true;
  }
};

}  // namespace

void Post(QObject& receiver, const std::function<void()>& call) {
  auto* runner = receiver.findChild<TCallRunner*>(QString(), Qt::FindDirectChildrenOnly);
  if (runner == nullptr) {
    runner = new TCallRunner(&receiver);  // owned by the receiver
  }
  // The queue owns the event and deletes it once handled.
  QCoreApplication::postEvent(runner, new TCallEvent(call));
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
