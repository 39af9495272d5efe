// TFormPostClient over Winsock against a loopback server: the same replies as the native tests.
#include <gtest/gtest.h>

#include "http/form_post_client.h"
#include "support/exchange_cases.h"
#include "win32/win32_socket_factory.h"
#include "win32/win32_socket_listener.h"

namespace porvan {
namespace {

using testing::CheckDripFedExchangeEnds;
using testing::CheckExchange;
using testing::CheckOpenRequestBytes;
using testing::LoopbackExchangeCases;

class WinsockExchangeTest : public ::testing::Test {
 protected:
  std::unique_ptr<ISocketFactory> sockets = std::make_unique<TWinsockSocketFactory>();
};

TEST_F(WinsockExchangeTest, SendsTheOpenRequestByteForByte) {
  CheckOpenRequestBytes(TLoopback::IPv4, *sockets);
}

TEST_F(WinsockExchangeTest, ReachesABracketedIPv6Literal) {
  CheckOpenRequestBytes(TLoopback::IPv6, *sockets);
}

TEST_F(WinsockExchangeTest, JudgesEveryScriptedReply) {
  for (const auto& exchange : LoopbackExchangeCases()) {
    CheckExchange(exchange, TLoopback::IPv4, *sockets);
  }
}

TEST_F(WinsockExchangeTest, JudgesEveryScriptedReplyOverIPv6) {
  for (const auto& exchange : LoopbackExchangeCases()) {
    CheckExchange(exchange, TLoopback::IPv6, *sockets);
  }
}

TEST_F(WinsockExchangeTest, ADripFeedingServerMeetsTheDeadline) {
  CheckDripFedExchangeEnds(TLoopback::IPv4, *sockets);
}

TEST_F(WinsockExchangeTest, ResolvesLocalhost) {
  const auto listener = TWinsockSocketListener::OnLoopback(TLoopback::IPv4);
  ASSERT_TRUE(listener);
  const TConnectResult connected =
      sockets->Connect("localhost", std::to_string(listener->Port()), std::chrono::seconds(5));
  // localhost may resolve to ::1 first; the IPv4 address must still be reached in the list.
  EXPECT_EQ(connected.Status, TNetStatus::Ok);
  EXPECT_EQ(listener->Accept(std::chrono::seconds(5)).Status, TNetStatus::Ok);
}

}  // namespace
}  // namespace porvan
