// TFormPostClient against a loopback server over the system's sockets, IPv4 and IPv6.
#include <gtest/gtest.h>

#include "http/form_post_client.h"
#include "posix/posix_socket_factory.h"
#include "posix/posix_socket_listener.h"
#include "support/exchange_cases.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using testing::CheckDripFedExchangeEnds;
using testing::CheckExchange;
using testing::CheckOpenRequestBytes;
using testing::LoopbackExchangeCases;

class LoopbackExchangeTest : public ::testing::Test {
 protected:
  std::unique_ptr<ISocketFactory> sockets = std::make_unique<TPosixSocketFactory>();
};

TEST_F(LoopbackExchangeTest, SendsTheOpenRequestByteForByte) {
  CheckOpenRequestBytes(TLoopback::IPv4, *sockets);
}

TEST_F(LoopbackExchangeTest, JudgesEveryScriptedReply) {
  for (const auto& exchange : LoopbackExchangeCases()) {
    CheckExchange(exchange, TLoopback::IPv4, *sockets);
  }
}

TEST_F(LoopbackExchangeTest, ADripFeedingServerMeetsTheDeadline) {
  CheckDripFedExchangeEnds(TLoopback::IPv4, *sockets);
}

TEST_F(LoopbackExchangeTest, ReachesABracketedIPv6Literal) {
  if (!TPosixSocketListener::OnLoopback(TLoopback::IPv6)) {
    GTEST_SKIP() << "no IPv6 loopback on this machine";
  }
  CheckOpenRequestBytes(TLoopback::IPv6, *sockets);
}

TEST_F(LoopbackExchangeTest, ARefusedConnectFails) {
  std::string url;
  {
    const auto listener = TPosixSocketListener::OnLoopback(TLoopback::IPv4);
    ASSERT_TRUE(listener);
    url = "http://127.0.0.1:" + std::to_string(listener->Port()) + "/";
  }
  TFormPostClient client(*sockets);
  EXPECT_EQ(client.PostForm(url, {"a=b"}).Status, TExchangeStatus::ConnectFailed);
}

}  // namespace
}  // namespace porvan
