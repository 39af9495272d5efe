// The worker thread of the GUI waits: one long-lived thread that runs one exchange at a time.
#pragma once

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace porvan {

// Started at the first exchange and kept for every later one: a thread per request would add
// its start to every round trip. Not for nested use: one exchange is out at a time.
class TExchangeWorker {
 public:
  TExchangeWorker() = default;
  ~TExchangeWorker();
  TExchangeWorker(const TExchangeWorker&) = delete;
  TExchangeWorker& operator=(const TExchangeWorker&) = delete;

  // Hands `exchange` to the worker. `ended` is called on the worker once `exchange` has returned
  // or thrown, to wake the waiting loop. False, with nothing run, when there is no thread.
  // `exchange` must live until Finish has returned.
  bool Start(const std::function<void()>& exchange, std::function<void()> ended = {});
  // Waits up to `limit`; true once the exchange and `ended` have returned.
  bool WaitFor(std::chrono::milliseconds limit);
  // Waits until the exchange and `ended` have returned, then throws again what either threw.
  void Finish();

 private:
  void Serve();

  std::mutex mutex_;
  std::condition_variable changed_;
  const std::function<void()>* job_ = nullptr;  // handed over, not yet taken by the worker
  std::function<void()> ended_;
  bool busy_ = false;  // from Start until the job and `ended` have returned
  std::exception_ptr error_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace porvan
