// The wait seam in standard C++: one worker thread, and the caller's own turn of its loop.
#include "support/thread_gui_wait.h"

#include <exception>

namespace porvan {

void TThreadGuiWait::Run(const std::function<void()>& exchange) {
  if (waiting_ || !worker_.Start(exchange)) {
    exchange();
    return;
  }
  waiting_ = true;
  std::exception_ptr turnError;
  while (!worker_.WaitFor(TurnEvery)) {
    if (OnTurn) {
      // The exchange must end before anything leaves here, since it uses the caller's objects.
      try {
        OnTurn();
      } catch (...) {
        turnError = turnError ? turnError : std::current_exception();
      }
    }
  }
  waiting_ = false;
  worker_.Finish();
  if (turnError) {
    std::rethrow_exception(turnError);
  }
}

}  // namespace porvan
