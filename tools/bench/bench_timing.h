// What the benchmark programs share: timing a step, the median, and the exchange on the calling
// thread as every request ran before the programs' waits moved it to a worker.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

#include "platform/gui_wait.h"

namespace porvan::bench {

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// Microseconds `step` takes, appended to `times`; what `step` returned.
inline bool Timed(std::vector<double>& times, const std::function<bool()>& step) {
  const auto start = std::chrono::steady_clock::now();
  const bool ok = step();
  times.push_back(
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  return ok;
}

class TCallingThreadWait final : public IGuiWait {
 public:
  void Run(const std::function<void()>& exchange) override { exchange(); }
  bool Waiting() const override { return false; }
};

}  // namespace porvan::bench
