// The worker thread of the Windows program's wait: one long-lived thread, one exchange at a time.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <optional>

#include "win32/handle.h"

namespace porvan {

// The job goes over through a slim lock and a condition variable, the cheapest hand-over Windows
// has; the end comes back through an event, the one thing a message loop can wait on beside its
// messages. Started at the first exchange and kept for every later one.
class TWin32ExchangeWorker {
 public:
  TWin32ExchangeWorker() = default;
  ~TWin32ExchangeWorker();
  TWin32ExchangeWorker(const TWin32ExchangeWorker&) = delete;
  TWin32ExchangeWorker& operator=(const TWin32ExchangeWorker&) = delete;

  // Hands `exchange` to the worker; false, with nothing run, when there is no thread. `exchange`
  // must live until Done is signalled.
  bool Start(const std::function<void()>& exchange);
  // Signalled once the exchange has returned or thrown.
  HANDLE Done() const { return done_.get(); }
  // Once Done has been signalled: throws again what the exchange threw.
  void Finish();

 private:
  static DWORD WINAPI Serve(void* self);

  SRWLOCK lock_ = SRWLOCK_INIT;
  CONDITION_VARIABLE handed_ = CONDITION_VARIABLE_INIT;
  const std::function<void()>* job_ = nullptr;  // handed over, not yet taken by the worker
  bool stop_ = false;
  std::exception_ptr error_;  // written by the worker before it signals Done
  THandle done_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  std::optional<THandle> thread_;  // from the first exchange on
};

}  // namespace porvan
