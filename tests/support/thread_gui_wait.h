// The wait seam in standard C++: one worker thread, and the caller's own turn of its loop.
#pragma once

#include <chrono>
#include <functional>

#include "common/exchange_worker.h"
#include "platform/gui_wait.h"

namespace porvan {

// Used where there is no window loop to turn (the native tests, the tools): OnTurn stands for
// one turn of the loop and is called on the waiting thread every TurnEvery until the exchange
// has returned. The worker is started at the first Run and serves every later one.
class TThreadGuiWait final : public IGuiWait {
 public:
  void Run(const std::function<void()>& exchange) override;
  bool Waiting() const override { return waiting_; }

  std::function<void()> OnTurn;
  std::chrono::milliseconds TurnEvery{10};

 private:
  TExchangeWorker worker_;
  bool waiting_ = false;  // read and written on the waiting thread only
};

}  // namespace porvan
