// The deadline of a whole exchange: each wait cut to the time left, and a reply that drips a
// byte at a time ended at the deadline wherever it drips.
#include <gtest/gtest.h>

#include <string>

#include "http/exchange_deadline.h"
#include "http/form_post_client.h"
#include "support/exchange_cases.h"
#include "support/fake_sockets.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using testing::FakeSocketFactory;
using testing::SteppingClock;

TEST(ExchangeDeadlineTest, CutsEachWaitToTheTimeLeft) {
  std::chrono::steady_clock::time_point now{};
  const TExchangeDeadline deadline([&now] { return now; }, 60000ms);
  struct {
    std::chrono::milliseconds elapsed;
    std::chrono::milliseconds wait;
    std::chrono::milliseconds cut;
    bool passed;
  } const cases[] = {
      {.elapsed = 0ms, .wait = 60000ms, .cut = 60000ms, .passed = false},
      {.elapsed = 0ms, .wait = 2000ms, .cut = 2000ms, .passed = false},
      {.elapsed = 59000ms, .wait = 60000ms, .cut = 1000ms, .passed = false},
      {.elapsed = 59000ms, .wait = 300ms, .cut = 300ms, .passed = false},
      {.elapsed = 60000ms, .wait = 60000ms, .cut = 0ms, .passed = true},
      {.elapsed = 3600000ms, .wait = 60000ms, .cut = 0ms, .passed = true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.elapsed.count());
    now = std::chrono::steady_clock::time_point{} + c.elapsed;
    EXPECT_EQ(deadline.Cut(c.wait), c.cut);
    EXPECT_EQ(deadline.Passed(), c.passed);
  }
}

// Each case drips its last part one byte per receive; the clock moves 5 s at each reading, so
// the deadline of 60 s comes after a handful of receives, whatever part of the reply drips.
TEST(ExchangeDeadlineTest, EndsADripFedReplyWhereverItDrips) {
  const std::string drip(5000, 'x');
  struct {
    const char* name;
    std::string prefix;
    TExchangeStatus status;
  } const cases[] = {
      {.name = "status line", .prefix = "HTTP/1.1 200 ", .status = TExchangeStatus::DeadlinePassed},
      {.name = "header line",
       .prefix = "HTTP/1.1 200 OK\r\nX-Drip: ",
       .status = TExchangeStatus::DeadlinePassed},
      {.name = "counted body",
       .prefix = "HTTP/1.1 200 OK\r\nContent-Length: 9000\r\n\r\n",
       .status = TExchangeStatus::DeadlinePassed},
      {.name = "chunk",
       .prefix = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2000\r\n",
       .status = TExchangeStatus::DeadlinePassed},
      {.name = "body to close",
       .prefix = "HTTP/1.1 200 OK\r\n\r\n",
       .status = TExchangeStatus::DeadlinePassed},
      {.name = "drain of an error reply",
       .prefix = "HTTP/1.1 500 Oops\r\n\r\n",
       .status = TExchangeStatus::HttpError},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSocketFactory sockets;
    auto connection = sockets.AddConnection();
    connection->AddBytes(c.prefix);
    for (const char byte : drip) {
      connection->AddBytes(std::string(1, byte));
    }
    TFormPostClient client(sockets);
    client.Clock = SteppingClock(5000ms);
    const TPostResult result =
        client.PostForm("http://porvan.example/p.php", {"mode=get_client_ip"});
    EXPECT_EQ(result.Status, c.status);
    EXPECT_EQ(result.Body, "");
    EXPECT_LT(connection->ReceiveLimits.size(), 10u);
    EXPECT_FALSE(connection->Pieces.empty()) << "the drip was read to its end";
    for (const auto wait : connection->ReceiveLimits) {
      EXPECT_LE(wait, client.SilenceTimeLimit);
    }
  }
}

TEST(ExchangeDeadlineTest, TheDeadlineCountsFromTheConnection) {
  FakeSocketFactory sockets;
  auto connection = sockets.AddConnection();
  connection->AddBytes("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nOK");
  TFormPostClient client(sockets);
  std::chrono::steady_clock::time_point now{};
  client.Clock = [&now] { return now += 1000ms; };
  client.ExchangeTimeLimit = 60000ms;
  EXPECT_TRUE(client.PostForm("http://porvan.example/p.php", {"mode=get_client_ip"}).Ok());
  ASSERT_EQ(connection->SendLimits.size(), 2u);
  // The reading after the connect sets the deadline at 61 s; each send reads the clock once,
  // each receive twice (has it passed, and what is left).
  EXPECT_EQ(connection->SendLimits[0], 59000ms);
  EXPECT_EQ(connection->SendLimits[1], 58000ms);
  ASSERT_FALSE(connection->ReceiveLimits.empty());
  EXPECT_EQ(connection->ReceiveLimits[0], 56000ms);
}

}  // namespace
}  // namespace porvan
