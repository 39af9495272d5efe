// The wait seam on the Linux client: the exchange on a worker thread while a nested QEventLoop
// turns; user input meanwhile is dropped, closes and quits are kept back until it is done.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "common/exchange_worker.h"
#include "platform/gui_wait.h"

namespace porvan {

// Made after the QApplication, whose events it filters for as long as it lives.
class TQtGuiWait final : public QObject, public IGuiWait {
 public:
  TQtGuiWait();
  ~TQtGuiWait() override;
  TQtGuiWait(const TQtGuiWait&) = delete;
  TQtGuiWait& operator=(const TQtGuiWait&) = delete;

  void Run(const std::function<void()>& exchange) override;
  bool Waiting() const override { return waiting_; }

  // Runs `action` now, or after the exchange that is out has ended, in the order they came: a
  // quit request, a signal or the session's end would otherwise start a road inside the wait.
  void WhenIdle(std::function<void()> action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ReleaseHeld();

  TExchangeWorker worker_;
  QTimer cursorTimer_;
  bool cursorShown_ = false;
  bool waiting_ = false;
  bool quitHeld_ = false;
  std::vector<QPointer<QWidget>> closesHeld_;
  std::vector<std::function<void()>> actionsHeld_;
};

}  // namespace porvan
