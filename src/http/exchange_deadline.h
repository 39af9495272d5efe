// The one deadline of an exchange: every wait of it is cut to the time that is left.
#pragma once

#include <chrono>
#include <functional>

namespace porvan {

// Where an exchange reads the time: the steady clock, or a test's own.
using TClockNow = std::function<std::chrono::steady_clock::time_point()>;

// Bounded waits alone do not bound an exchange: a server that sends one byte just before each
// wait ends would keep it alive for days.
class TExchangeDeadline {
 public:
  // Ends `limit` after the clock's present time.
  TExchangeDeadline(TClockNow clock, std::chrono::milliseconds limit);

  bool Passed() const;

  // `wait`, or the time left when that is shorter; zero once the deadline has passed.
  std::chrono::milliseconds Cut(std::chrono::milliseconds wait) const;

 private:
  TClockNow clock_;
  std::chrono::steady_clock::time_point end_;
};

}  // namespace porvan
