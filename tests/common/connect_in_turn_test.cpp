// Trying a resolver's addresses in turn: the first that connects wins, within one time limit.
#include "common/connect_in_turn.h"

#include <gtest/gtest.h>

#include <vector>

namespace porvan {
namespace {

// A resolver entry as the system gives it: a list linked by ai_next.
struct TFakeAddress {
  TNetStatus answer;
  const TFakeAddress* ai_next;
};

struct TTurnCase {
  const char* name;
  std::vector<TNetStatus> answers;
  int timeLimitMs;
  TNetStatus status;
  std::size_t tried;
};

TEST(ConnectInTurnTest, StopsAtTheFirstConnectionOrWhenTimeRunsOut) {
  const TTurnCase cases[] = {
      {"no address", {}, 1000, TNetStatus::Error, 0},
      {"the first connects", {TNetStatus::Ok, TNetStatus::Ok}, 1000, TNetStatus::Ok, 1},
      {"the second connects after a refusal",
       {TNetStatus::Error, TNetStatus::Ok, TNetStatus::Ok},
       1000,
       TNetStatus::Ok,
       2},
      {"all fail: the last one's reason",
       {TNetStatus::Error, TNetStatus::TimedOut},
       1000,
       TNetStatus::TimedOut,
       2},
      {"no time at all", {TNetStatus::Ok}, 0, TNetStatus::TimedOut, 0},
  };
  for (const TTurnCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<TFakeAddress> list(c.answers.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
      list[i] = {c.answers[i], i + 1 < list.size() ? &list[i + 1] : nullptr};
    }
    std::size_t tried = 0;
    const TConnectResult result =
        ConnectInTurn(list.empty() ? nullptr : &list[0], std::chrono::milliseconds(c.timeLimitMs),
                      [&](const TFakeAddress& address, std::chrono::milliseconds left) {
                        ++tried;
                        EXPECT_GT(left.count(), 0);
                        TConnectResult one;
                        one.Status = address.answer;
                        return one;
                      });
    EXPECT_EQ(result.Status, c.status);
    EXPECT_EQ(tried, c.tried);
  }
}

}  // namespace
}  // namespace porvan
