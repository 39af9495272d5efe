// The wait seam in standard C++: one worker thread, and the caller's own turn of its loop.
#include "platform/thread_gui_wait.h"

#include <utility>

namespace porvan {

TThreadGuiWait::~TThreadGuiWait() {
  if (!worker_.joinable()) {
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

void TThreadGuiWait::Run(const std::function<void()>& exchange) {
  if (waiting_) {
    exchange();
    return;
  }
  if (!worker_.joinable()) {
    worker_ = std::thread([this] { Serve(); });
  }
  waiting_ = true;
  std::unique_lock lock(mutex_);
  job_ = &exchange;
  error_ = nullptr;
  changed_.notify_all();
  std::exception_ptr turnError;
  while (!changed_.wait_for(lock, TurnEvery, [this] { return job_ == nullptr; })) {
    if (OnTurn) {
      // The turn may take its time; the worker must not wait for it to report. The exchange
      // must end before anything leaves here, since it uses the caller's objects.
      lock.unlock();
      try {
        OnTurn();
      } catch (...) {
        turnError = turnError ? turnError : std::current_exception();
      }
      lock.lock();
    }
  }
  waiting_ = false;
  for (const std::exception_ptr& error : {std::exchange(error_, nullptr), turnError}) {
    if (error) {
      std::rethrow_exception(error);
    }
  }
}

void TThreadGuiWait::Serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stop_ || job_ != nullptr; });
    if (stop_) {
      return;
    }
    const std::function<void()>& job = *job_;
    lock.unlock();
    std::exception_ptr error;
    try {
      job();
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    error_ = error;
    job_ = nullptr;
    changed_.notify_all();
  }
}

}  // namespace porvan
