// The worker thread of the Windows program's wait: one long-lived thread, one exchange at a time.
#include "win32/win32_exchange_worker.h"

#include <utility>

namespace porvan {

TWin32ExchangeWorker::~TWin32ExchangeWorker() {
  if (!thread_ || !thread_->valid()) {
    return;
  }
  AcquireSRWLockExclusive(&lock_);
  stop_ = true;
  ReleaseSRWLockExclusive(&lock_);
  WakeConditionVariable(&handed_);
  WaitForSingleObject(thread_->get(), INFINITE);
}

bool TWin32ExchangeWorker::Start(const std::function<void()>& exchange) {
  if (!done_.valid()) {
    return false;
  }
  if (!thread_) {
    thread_.emplace(CreateThread(nullptr, 0, &Serve, this, 0, nullptr));
  }
  if (!thread_->valid()) {
    return false;
  }
  AcquireSRWLockExclusive(&lock_);
  job_ = &exchange;
  error_ = nullptr;
  ReleaseSRWLockExclusive(&lock_);
  WakeConditionVariable(&handed_);
  return true;
}

void TWin32ExchangeWorker::Finish() {
  // The wait on Done ordered the worker's writes before this read.
  if (std::exception_ptr error = std::exchange(error_, nullptr)) {
    std::rethrow_exception(error);
  }
}

DWORD WINAPI TWin32ExchangeWorker::Serve(void* self) {
  auto& worker = *static_cast<TWin32ExchangeWorker*>(self);
  for (;;) {
    AcquireSRWLockExclusive(&worker.lock_);
    while (worker.job_ == nullptr && !worker.stop_) {
      SleepConditionVariableSRW(&worker.handed_, &worker.lock_, INFINITE, 0);
    }
    const bool stop = worker.stop_;
    const std::function<void()>* job = std::exchange(worker.job_, nullptr);
    ReleaseSRWLockExclusive(&worker.lock_);
    if (stop) {
      return 0;
    }
    try {
      (*job)();
    } catch (...) {
      worker.error_ = std::current_exception();
    }
    SetEvent(worker.done_.get());
  }
}

}  // namespace porvan
