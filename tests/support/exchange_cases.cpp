// Exchanges of TFormPostClient with a loopback server over real sockets, shared by the native and
// the Windows tests so that both socket implementations meet the same replies.
#include "support/exchange_cases.h"

#include <gtest/gtest.h>

#include <memory>

#include "http/form_post_client.h"

namespace porvan::testing {

namespace {

using namespace std::chrono_literals;

const std::vector<TFormLine> kOpenForm = {"mode=open_request", "protocol=FTP", "query=example.com"};

std::string Ok(const std::string& headers, const std::string& body) {
  return "HTTP/1.1 200 OK\r\n" + headers + "\r\n" + body;
}

TServerTurn Answer(std::string reply) {
  return {std::move(reply), TServerAct::Answer};
}

}  // namespace

std::vector<TExchangeCase> LoopbackExchangeCases() {
  const std::string twoMiB(2 * 1024 * 1024, 'x');
  return {
      {.Name = "content length",
       .Turns = {Answer(Ok("Content-Length: 2\r\n", "OK"))},
       .Status = TExchangeStatus::Ok,
       .Body = "OK"},
      {.Name = "chunked with extensions",
       .Turns = {Answer(
           Ok("Transfer-Encoding: chunked\r\n", "2;a=b\r\nOK\r\n1\r\n!\r\n0\r\n\r\n"))},
       .Status = TExchangeStatus::Ok,
       .Body = "OK!"},
      {.Name = "to close",
       .Turns = {Answer(Ok("", "SUCCESS:Access_opened:FTP:example.com\r\n"))},
       .Status = TExchangeStatus::Ok,
       .Body = "SUCCESS:Access_opened:FTP:example.com\r\n"},
      {.Name = "zero length",
       .Turns = {Answer(Ok("Content-Length: 0\r\n", ""))},
       .Status = TExchangeStatus::Ok},
      {.Name = "302 with location",
       .Turns = {Answer("HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1/\r\n\r\n")},
       .Status = TExchangeStatus::Redirect},
      {.Name = "404 with a body",
       .Turns = {Answer("HTTP/1.1 404 Not Found\r\nContent-Length: 5\r\n\r\nnope!")},
       .Status = TExchangeStatus::HttpError},
      {.Name = "500 whose body never ends",
       .Turns = {{"HTTP/1.1 500 Oops\r\n\r\npartial", TServerAct::AnswerAndHold}},
       .Status = TExchangeStatus::HttpError},
      {.Name = "304",
       .Turns = {Answer("HTTP/1.1 304 Not Modified\r\n\r\n")},
       .Status = TExchangeStatus::HttpError},
      {.Name = "chunk size that is not hex",
       .Turns = {Answer(Ok("Transfer-Encoding: chunked\r\n", "2\r\nOK\r\n<html>\r\n0\r\n\r\n"))},
       .Status = TExchangeStatus::BadChunk},
      {.Name = "chunked only as a word",
       .Turns = {Answer(Ok("Transfer-Encoding: unchunked\r\n", "2\r\nOK\r\n0\r\n\r\n"))},
       .Status = TExchangeStatus::Ok,
       .Body = "2\r\nOK\r\n0\r\n\r\n"},
      {.Name = "close before the empty line",
       .Turns = {Answer("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n")},
       .Status = TExchangeStatus::ClosedEarly},
      {.Name = "20000-byte header line",
       .Turns = {Answer(Ok("X-Long: " + std::string(20000, 'y') + "\r\n", "OK"))},
       .Status = TExchangeStatus::LineTooLong},
      {.Name = "2 MiB body",
       .Turns = {Answer(Ok("", twoMiB))},
       .Status = TExchangeStatus::BodyTooLarge},
      {.Name = "accepts and closes",
       .Turns = {{"", TServerAct::CloseUnanswered}},
       .Status = TExchangeStatus::ClosedEarly},
      {.Name = "accepts and stays silent",
       .Turns = {{"", TServerAct::StaySilent}},
       .Status = TExchangeStatus::TimedOut},
      {.Name = "silent after part of the head",
       .Turns = {{"HTTP/1.1 200 OK\r\nConn", TServerAct::AnswerAndHold}},
       .Status = TExchangeStatus::TimedOut},
      {.Name = "keep-alive connection closed before the next post",
       .Turns = {{Ok("Connection: keep-alive\r\nContent-Length: 1\r\n", "1"),
                  TServerAct::AnswerAndHold},
                 Answer(Ok("Content-Length: 1\r\n", "2"))},
       .Status = TExchangeStatus::Ok,
       .Body = "2"},
      {.Name = "cookie round trip",
       .Turns = {Answer(Ok("Set-Cookie: sid=42; Path=/\r\nSet-Cookie2: v=2; Version=1; Path=/p/\r\n"
                           "Content-Length: 0\r\n",
                           "")),
                 Answer(Ok("Content-Length: 2\r\n", "OK"))},
       .Status = TExchangeStatus::Ok,
       .Body = "OK",
       .LastRequestHas = "\r\nCookie: v=2; sid=42\r\n\r\n"},
  };
}

void CheckExchange(const TExchangeCase& exchange, TLoopback address, ISocketFactory& sockets) {
  SCOPED_TRACE(exchange.Name);
  TLoopbackServer server(exchange.Turns, address);
  ASSERT_TRUE(server.Listening());
  TFormPostClient client(sockets);
  client.ConnectTimeLimit = 5000ms;
  client.SilenceTimeLimit = 300ms;
  client.ErrorBodyWait = 300ms;
  TPostResult result;
  for (std::size_t turn = 0; turn < exchange.Turns.size(); ++turn) {
    result = client.PostForm(server.Url("/p/x.php"), kOpenForm);
  }
  EXPECT_EQ(result.Status, exchange.Status);
  EXPECT_EQ(result.Body.size(), exchange.Body.size());
  EXPECT_EQ(result.Body, exchange.Body);
  EXPECT_TRUE(server.WaitUntilServed(5000ms));
  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), exchange.Turns.size());
  EXPECT_NE(requests.back().find(exchange.LastRequestHas), std::string::npos) << requests.back();
}

std::string ExpectedOpenRequest(const std::string& hostHeader) {
  return "POST /porvandaemon/communication.php HTTP/1.0\r\n"
         "Connection: keep-alive\r\n"
         "Content-Type: application/x-www-form-urlencoded\r\n"
         "Content-Length: 49\r\n"
         "Host: " +
         hostHeader +
         "\r\n"
         "Accept: text/html, */*\r\n"
         "User-Agent: Vindra Porvan Client\r\n"
         "\r\n"
         "mode=open_request&protocol=FTP&query=example.com&";
}

void CheckOpenRequestBytes(TLoopback address, ISocketFactory& sockets) {
  TLoopbackServer server({Answer(Ok("Content-Length: 2\r\n", "OK"))}, address);
  ASSERT_TRUE(server.Listening());
  TFormPostClient client(sockets);
  client.UserAgent = "Vindra Porvan Client";
  const TPostResult result =
      client.PostForm(server.Url("/porvandaemon/communication.php"), kOpenForm);
  EXPECT_EQ(result.Status, TExchangeStatus::Ok);
  EXPECT_EQ(result.Body, "OK");
  const std::string host = address == TLoopback::IPv4 ? "127.0.0.1" : "[::1]";
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], ExpectedOpenRequest(host + ":" + std::to_string(server.Port())));
}

std::function<std::chrono::steady_clock::time_point()> SteppingClock(
    std::chrono::milliseconds step) {
  auto now = std::make_shared<std::chrono::steady_clock::time_point>();
  return [now, step] { return *now += step; };
}

void CheckDripFedExchangeEnds(TLoopback address, ISocketFactory& sockets) {
  // Long enough that the whole drip takes seconds; the deadline must end it after a few bytes.
  const std::string reply =
      "HTTP/1.1 200 OK\r\nX-Drip: " + std::string(2000, 'x') + "\r\nContent-Length: 2\r\n\r\nOK";
  TLoopbackServer server({{reply, TServerAct::Drip}}, address);
  ASSERT_TRUE(server.Listening());
  TFormPostClient client(sockets);
  client.ConnectTimeLimit = 5000ms;
  client.SilenceTimeLimit = 5000ms;
  client.ExchangeTimeLimit = 60000ms;
  client.Clock = SteppingClock(1000ms);
  const TPostResult result = client.PostForm(server.Url("/p/x.php"), kOpenForm);
  EXPECT_EQ(result.Status, TExchangeStatus::DeadlinePassed);
  EXPECT_EQ(result.Body, "");
  EXPECT_TRUE(server.WaitUntilServed(5000ms));
}

}  // namespace porvan::testing
