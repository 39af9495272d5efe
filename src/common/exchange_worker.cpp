// The worker thread of the GUI waits: one long-lived thread that runs one exchange at a time.
#include "common/exchange_worker.h"

#include <system_error>
#include <utility>

namespace porvan {

TExchangeWorker::~TExchangeWorker() {
  if (!thread_.joinable()) {
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

bool TExchangeWorker::Start(const std::function<void()>& exchange, std::function<void()> ended) {
  if (!thread_.joinable()) {
    try {
      thread_ = std::thread([this] { Serve(); });
    } catch (const std::system_error&) {
      return false;
    }
  }
  {
    const std::lock_guard lock(mutex_);
    job_ = &exchange;
    ended_ = std::move(ended);
    error_ = nullptr;
    busy_ = true;
  }
  changed_.notify_all();
  return true;
}

bool TExchangeWorker::WaitFor(std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, limit, [this] { return !busy_; });
}

void TExchangeWorker::Finish() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !busy_; });
  if (std::exception_ptr error = std::exchange(error_, nullptr)) {
    std::rethrow_exception(error);
  }
}

void TExchangeWorker::Serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stop_ || job_ != nullptr; });
    if (stop_) {
      return;
    }
    const std::function<void()>& job = *std::exchange(job_, nullptr);
    const std::function<void()> ended = std::exchange(ended_, {});
    lock.unlock();
    std::exception_ptr error;
    for (const std::function<void()>* step : {&job, &ended}) {
      try {
        if (*step) {
          (*step)();
        }
      } catch (...) {
        error = error ? error : std::current_exception();
      }
    }
    lock.lock();
    error_ = error;
    busy_ = false;
    changed_.notify_all();
  }
}

}  // namespace porvan
