// SIGTERM and SIGHUP, which end the process when the session ends or the system shuts down,
// delivered to the GUI thread as an ordinary event.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace porvan {

// Catches the signals while it exists (one at a time per process); `onSignal` runs on the GUI
// thread once per signal that arrives.
class TTerminationSignals {
 public:
  explicit TTerminationSignals(std::function<void()> onSignal);
  ~TTerminationSignals();
  TTerminationSignals(const TTerminationSignals&) = delete;
  TTerminationSignals& operator=(const TTerminationSignals&) = delete;

 private:
  std::function<void()> onSignal_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace porvan
