// The one deadline of an exchange: every wait of it is cut to the time that is left.
#include "http/exchange_deadline.h"

#include <algorithm>
#include <utility>

namespace porvan {

TExchangeDeadline::TExchangeDeadline(TClockNow clock, std::chrono::milliseconds limit)
    : clock_(std::move(clock)), end_(clock_() + limit) {}

bool TExchangeDeadline::Passed() const {
  return clock_() >= end_;
}

std::chrono::milliseconds TExchangeDeadline::Cut(std::chrono::milliseconds wait) const {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(end_ - clock_());
  return std::clamp(left, std::chrono::milliseconds::zero(), wait);
}

}  // namespace porvan
