// The wait seam: a blocking exchange runs on a worker thread while the GUI thread's loop turns.
#pragma once

#include <chrono>
#include <functional>

namespace porvan {

// The wait cursor shows once a wait has lasted this long: a reply that comes sooner does not make
// the cursor flicker.
inline constexpr std::chrono::milliseconds kWaitCursorAfter{100};

// Contract
// - Run is called on the GUI thread and returns only when `exchange` has returned on the worker,
//   so its caller goes on exactly where it would have after a blocking call. What `exchange`
//   threw is thrown again from Run.
// - `exchange` touches nothing but the objects it was given: no window, no settings, no SysVar,
//   no message box. The GUI thread leaves those objects alone until Run returns, and Run's return
//   hands them back with everything the worker wrote.
// - Meanwhile the windows paint, move and answer the system, but take no input that could start
//   another road; a quit or the session's end waits until the exchange has ended. (A toolkit
//   that has an event loop of its own does this with a nested loop that excludes user input.)
// - A Run made while another waits runs its exchange on the calling thread: nothing is nested.
class IGuiWait {
 public:
  virtual ~IGuiWait() = default;
  virtual void Run(const std::function<void()>& exchange) = 0;
  // True while an exchange is out.
  virtual bool Waiting() const = 0;
};

}  // namespace porvan
