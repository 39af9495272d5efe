// TFormPostClient over scripted sockets: the bytes of each send, connections, limits, cookies.
#include <gtest/gtest.h>

#include <string>

#include "http/form_post_client.h"
#include "support/fake_sockets.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using testing::FakeSocketFactory;

const std::string kUrl = "http://porvan.example/porvandaemon/communication.php";
const std::string kOkReply = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nOK";

class FormPostClientTest : public ::testing::Test {
 protected:
  FormPostClientTest() { client.UserAgent = "Vindra Porvan Client"; }

  FakeSocketFactory sockets;
  TFormPostClient client{sockets};
};

TEST_F(FormPostClientTest, SendsTheHeadThenTheBodyInTwoSends) {
  auto connection = sockets.AddConnection();
  connection->AddBytes(kOkReply);
  const TPostResult result =
      client.PostForm(kUrl, {"mode=open_request", "protocol=FTP", "query=example.com"});
  EXPECT_EQ(result.Status, TExchangeStatus::Ok);
  EXPECT_EQ(result.Body, "OK");
  ASSERT_EQ(connection->Sends.size(), 2u);
  EXPECT_EQ(connection->Sends[0],
            "POST /porvandaemon/communication.php HTTP/1.0\r\n"
            "Connection: keep-alive\r\n"
            "Content-Type: application/x-www-form-urlencoded\r\n"
            "Content-Length: 49\r\n"
            "Host: porvan.example\r\n"
            "Accept: text/html, */*\r\n"
            "User-Agent: Vindra Porvan Client\r\n"
            "\r\n");
  EXPECT_EQ(connection->Sends[1], "mode=open_request&protocol=FTP&query=example.com&");
  ASSERT_EQ(sockets.Calls.size(), 1u);
  EXPECT_EQ(sockets.Calls[0].Host, "porvan.example");
  EXPECT_EQ(sockets.Calls[0].Port, "80");
}

TEST_F(FormPostClientTest, WritesTheHostHeaderAndTargetFromTheUrl) {
  struct {
    const char* url;
    const char* userAgent;
    std::string head;
    const char* connectHost;
    const char* connectPort;
  } const cases[] = {
      {.url = "http://h:8080/a/b.php?x=1#f",
       .userAgent = "UA",
       .head = "POST /a/b.php?x=1 HTTP/1.0\r\nConnection: keep-alive\r\n"
               "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 18\r\n"
               "Host: h:8080\r\nAccept: text/html, */*\r\nUser-Agent: UA\r\n\r\n",
       .connectHost = "h",
       .connectPort = "8080"},
      {.url = "http://u:p@h:80",
       .userAgent = "",
       .head = "POST / HTTP/1.0\r\nConnection: keep-alive\r\n"
               "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 18\r\n"
               "Host: h\r\nAccept: text/html, */*\r\n\r\n",
       .connectHost = "h",
       .connectPort = "80"},
      {.url = "http://[::1]:8080/p",
       .userAgent = "UA",
       .head = "POST /p HTTP/1.0\r\nConnection: keep-alive\r\n"
               "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 18\r\n"
               "Host: [::1]:8080\r\nAccept: text/html, */*\r\nUser-Agent: UA\r\n\r\n",
       .connectHost = "::1",
       .connectPort = "8080"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    FakeSocketFactory fresh;
    TFormPostClient postClient(fresh);
    postClient.UserAgent = c.userAgent;
    auto connection = fresh.AddConnection();
    connection->AddBytes(kOkReply);
    EXPECT_TRUE(postClient.PostForm(c.url, {"mode=get_client_ip"}).Ok());
    ASSERT_EQ(connection->Sends.size(), 2u);
    EXPECT_EQ(connection->Sends[0], c.head);
    EXPECT_EQ(connection->Sends[1], "mode=get_client_ip");
    EXPECT_EQ(fresh.Calls.at(0).Host, c.connectHost);
    EXPECT_EQ(fresh.Calls.at(0).Port, c.connectPort);
  }
}

TEST_F(FormPostClientTest, AnEmptyFormSendsOnlyTheHead) {
  auto connection = sockets.AddConnection();
  connection->AddBytes(kOkReply);
  EXPECT_TRUE(client.PostForm(kUrl, {}).Ok());
  ASSERT_EQ(connection->Sends.size(), 1u);
  EXPECT_NE(connection->Sends[0].find("\r\nContent-Length: 0\r\n"), std::string::npos);
}

TEST_F(FormPostClientTest, ABadUrlConnectsNowhere) {
  for (const char* url : {"https:///", "h/a", "ftp://h/"}) {
    SCOPED_TRACE(url);
    EXPECT_EQ(client.PostForm(url, {"a=b"}).Status, TExchangeStatus::BadUrl);
  }
  EXPECT_TRUE(sockets.Calls.empty());
}

TEST_F(FormPostClientTest, HandsItsTimeLimitsToTheSocket) {
  client.ConnectTimeLimit = 123ms;
  client.SilenceTimeLimit = 456ms;
  auto connection = sockets.AddConnection();
  connection->AddBytes(kOkReply);
  EXPECT_TRUE(client.PostForm(kUrl, {"a=b"}).Ok());
  EXPECT_EQ(sockets.Calls.at(0).TimeLimit, 123ms);
  EXPECT_EQ(connection->SendLimits, (std::vector<std::chrono::milliseconds>{456ms, 456ms}));
  ASSERT_FALSE(connection->ReceiveLimits.empty());
  EXPECT_EQ(connection->ReceiveLimits.front(), 456ms);

  const TFormPostClient fresh(sockets);
  EXPECT_EQ(fresh.ConnectTimeLimit, 30000ms);
  EXPECT_EQ(fresh.SilenceTimeLimit, 60000ms);
  EXPECT_EQ(fresh.ErrorBodyWait, 2000ms);
}

TEST_F(FormPostClientTest, SaysWhyAnExchangeFailed) {
  struct {
    const char* name;
    TNetStatus connect;
    TNetStatus send;
    std::string reply;
    TNetStatus replyEnd;
    TExchangeStatus status;
    int httpStatus;
  } const cases[] = {
      {"refused", TNetStatus::Error, TNetStatus::Ok, "", TNetStatus::Closed,
       TExchangeStatus::ConnectFailed, -1},
      {"connect too slow", TNetStatus::TimedOut, TNetStatus::Ok, "", TNetStatus::Closed,
       TExchangeStatus::ConnectTimedOut, -1},
      {"send fails", TNetStatus::Ok, TNetStatus::Error, "", TNetStatus::Closed,
       TExchangeStatus::SendFailed, -1},
      {"server takes nothing", TNetStatus::Ok, TNetStatus::TimedOut, "", TNetStatus::Closed,
       TExchangeStatus::TimedOut, -1},
      {"accepts and closes", TNetStatus::Ok, TNetStatus::Ok, "", TNetStatus::Closed,
       TExchangeStatus::ClosedEarly, -1},
      {"stays silent", TNetStatus::Ok, TNetStatus::Ok, "", TNetStatus::TimedOut,
       TExchangeStatus::TimedOut, -1},
      {"redirect", TNetStatus::Ok, TNetStatus::Ok, "HTTP/1.1 301 Moved\r\nLocation: /\r\n\r\n",
       TNetStatus::Closed, TExchangeStatus::Redirect, 301},
      {"not found", TNetStatus::Ok, TNetStatus::Ok, "HTTP/1.0 404 Not Found\r\n\r\n",
       TNetStatus::Closed, TExchangeStatus::HttpError, 404},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSocketFactory fresh;
    TFormPostClient postClient(fresh);
    if (c.connect == TNetStatus::Ok) {
      auto connection = fresh.AddConnection();
      connection->SendStatus = c.send;
      connection->AddBytes(c.reply);
      connection->AddStatus(c.replyEnd);
    } else {
      fresh.AddFailure(c.connect);
    }
    const TPostResult result = postClient.PostForm(kUrl, {"a=b"});
    EXPECT_EQ(result.Status, c.status);
    EXPECT_EQ(result.HttpStatus, c.httpStatus);
    EXPECT_EQ(result.Body, "");
  }
}

TEST_F(FormPostClientTest, KeepsAKeepAliveConnectionOnlyUntilTheNextPost) {
  struct {
    const char* name;
    std::string reply;
    bool kept;
  } const cases[] = {
      {"keep-alive", "HTTP/1.1 200 OK\r\nConnection: Keep-Alive \r\nContent-Length: 2\r\n\r\nOK",
       true},
      {"proxy keep-alive",
       "HTTP/1.1 200 OK\r\nProxy-Connection: keep-alive\r\nContent-Length: 2\r\n\r\nOK", true},
      {"failed keep-alive reply",
       "HTTP/1.1 500 X\r\nConnection: keep-alive\r\nContent-Length: 0\r\n\r\n", true},
      {"close", "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: 2\r\n\r\nOK", false},
      {"no header", "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nOK", false},
      {"keep-alive but closed by the server", "HTTP/1.1 200 OK\r\nConnection: keep-alive\r\n\r\nOK",
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSocketFactory fresh;
    TFormPostClient postClient(fresh);
    auto first = fresh.AddConnection();
    first->AddBytes(c.reply);
    first->AddStatus(TNetStatus::TimedOut);  // a kept connection that is still open
    auto second = fresh.AddConnection();
    second->AddBytes(kOkReply);

    postClient.PostForm(kUrl, {"a=b"});
    EXPECT_EQ(first->Closed, !c.kept);
    EXPECT_TRUE(postClient.PostForm(kUrl, {"a=b"}).Ok());
    EXPECT_TRUE(first->Closed);
    ASSERT_EQ(fresh.Calls.size(), 2u);
    EXPECT_EQ(fresh.Calls[1].OpenBefore, 0u) << "the kept connection is closed before connecting";
    EXPECT_EQ(second->Sends.size(), 2u);
  }
}

TEST_F(FormPostClientTest, SendsBackTheCookiesThatApply) {
  auto first = sockets.AddConnection();
  first->AddBytes(
      "HTTP/1.1 200 OK\r\n"
      "Set-Cookie: session=abc; Path=/\r\n"
      "set-cookie: deep=1; path=/porvandaemon/\r\n"
      "Set-Cookie: safe=1; Secure\r\n"
      "Set-Cookie: gone=1; Max-Age=0\r\n"
      "Set-Cookie: other=1; Domain=elsewhere.example\r\n"
      "Set-Cookie2: v2=\"x y\"; Version=1, w2=2; Version=1; Path=/nothere\r\n"
      "Content-Length: 2\r\n\r\nOK");
  auto second = sockets.AddConnection();
  second->AddBytes(kOkReply);
  auto third = sockets.AddConnection();
  third->AddBytes(kOkReply);

  ASSERT_TRUE(client.PostForm(kUrl, {"a=b"}).Ok());
  ASSERT_TRUE(client.PostForm(kUrl, {"a=b"}).Ok());
  ASSERT_TRUE(client.PostForm("http://www.porvan.example/", {"a=b"}).Ok());

  EXPECT_EQ(first->Sends.at(0).find("Cookie:"), std::string::npos);
  EXPECT_NE(second->Sends.at(0).find(
                "User-Agent: Vindra Porvan Client\r\nCookie: deep=1; v2=x y; session=abc\r\n\r\n"),
            std::string::npos)
      << second->Sends.at(0);
  EXPECT_NE(third->Sends.at(0).find("\r\nCookie: session=abc\r\n"), std::string::npos)
      << third->Sends.at(0);
}

TEST_F(FormPostClientTest, AFailedHeadStoresNoCookies) {
  auto connection = sockets.AddConnection();
  connection->AddBytes("HTTP/1.1 200 OK\r\nSet-Cookie: half=1\r\n");
  EXPECT_EQ(client.PostForm(kUrl, {"a=b"}).Status, TExchangeStatus::ClosedEarly);
  EXPECT_TRUE(client.Cookies().Cookies().empty());
}

}  // namespace
}  // namespace porvan
