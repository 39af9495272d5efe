// Receiving a reply: status line, headers, body delimiting, judging, and the bounds on all three.
#include <gtest/gtest.h>

#include <string>

#include "http/reply.h"
#include "http/reply_body.h"
#include "support/fake_sockets.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using testing::FakeSocket;
using testing::TFakeConnection;

constexpr auto kWait = 60000ms;
constexpr auto kErrorWait = 2000ms;

struct TReceived {
  TExchangeStatus Status;
  TReply Reply;
  std::shared_ptr<TFakeConnection> Connection;
};

// Hands the reply out in pieces of `pieceSize` bytes, followed by `end` (Closed when none).
TReceived Receive(const std::string& bytes, std::size_t pieceSize,
                  TNetStatus end = TNetStatus::Closed) {
  auto connection = std::make_shared<TFakeConnection>();
  for (std::size_t at = 0; at < bytes.size(); at += pieceSize) {
    connection->AddBytes(bytes.substr(at, pieceSize));
  }
  if (end != TNetStatus::Closed) {
    connection->AddStatus(end);
  }
  FakeSocket socket(connection);
  TReplyReader reader(socket, kWait);
  TReceived received{TExchangeStatus::Ok, {}, connection};
  received.Status = ReceiveReply(reader, kErrorWait, received.Reply);
  return received;
}

std::string Ok(const std::string& headers, const std::string& body) {
  return "HTTP/1.1 200 OK\r\n" + headers + "\r\n" + body;
}

TEST(ReceiveReplyTest, JudgesAndDelimitsReplies) {
  const std::string header20000 = "X-Long: " + std::string(20000 - 8, 'x') + "\r\n";
  const std::string header16384 = "X-Long: " + std::string(16384 - 8, 'x') + "\r\n";
  const std::string header16385 = "X-Long: " + std::string(16385 - 8, 'x') + "\r\n";
  std::string lines100;
  for (int i = 0; i < 100; ++i) {
    lines100 += "X-" + std::to_string(i) + ": v\r\n";
  }
  const std::string mib(1024 * 1024, 'b');
  struct {
    const char* name;
    std::string reply;
    TExchangeStatus status;
    std::string body{};
    int httpStatus = 200;
    TNetStatus end = TNetStatus::Closed;
  } const cases[] = {
      {.name = "content length",
       .reply = Ok("Content-Length: 2\r\n", "OK"),
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "bytes after the length are not body",
       .reply = Ok("Content-Length: 2\r\n", "OKMORE"),
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "short body at close is kept",
       .reply = Ok("Content-Length: 10\r\n", "ab"),
       .status = TExchangeStatus::Ok,
       .body = "ab"},
      {.name = "chunked",
       .reply = Ok("Transfer-Encoding: chunked\r\n", "2\r\nOK\r\n0\r\n\r\n"),
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "chunked with extensions and hex",
       .reply = Ok("Transfer-Encoding: Chunked\r\n",
                   "2;n=v\r\nOK\r\nA ; x\r\n0123456789\r\n0;last\r\n\r\n"),
       .status = TExchangeStatus::Ok,
       .body = "OK0123456789"},
      {.name = "chunk size not a number fails the exchange",
       .reply = Ok("Transfer-Encoding: chunked\r\n", "zz\r\nOK\r\n"),
       .status = TExchangeStatus::BadChunk},
      {.name = "chunked closed inside a chunk",
       .reply = Ok("Transfer-Encoding: chunked\r\n", "5\r\nOK"),
       .status = TExchangeStatus::ClosedEarly},
      {.name = "chunked closed before the zero chunk",
       .reply = Ok("Transfer-Encoding: chunked\r\n", "2\r\nOK\r\n"),
       .status = TExchangeStatus::ClosedEarly},
      {.name = "chunked closed after the zero chunk",
       .reply = Ok("Transfer-Encoding: chunked\r\n", "2\r\nOK\r\n0\r\n"),
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "chunked beats a zero length",
       .reply = Ok("Content-Length: 0\r\nTransfer-Encoding: chunked\r\n", "2\r\nOK\r\n0\r\n\r\n"),
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "no length reads to close",
       .reply = Ok("", "203.0.113.5\n"),
       .status = TExchangeStatus::Ok,
       .body = "203.0.113.5\n"},
      {.name = "negative length reads to close",
       .reply = Ok("Content-Length: -1\r\n", "abc"),
       .status = TExchangeStatus::Ok,
       .body = "abc"},
      {.name = "length not a number reads to close",
       .reply = Ok("Content-Length: 2x\r\n", "abc"),
       .status = TExchangeStatus::Ok,
       .body = "abc"},
      {.name = "zero length",
       .reply = Ok("Content-Length: 0\r\n", "ignored"),
       .status = TExchangeStatus::Ok,
       .body = ""},
      {.name = "204 reads no body",
       .reply = "HTTP/1.1 204 No Content\r\n\r\nignored",
       .status = TExchangeStatus::Ok,
       .body = "",
       .httpStatus = 204},
      {.name = "first occurrence wins",
       .reply = Ok("Content-Length: 2\r\ncontent-length: 5\r\n", "OKabc"),
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "names without case",
       .reply = Ok("CONTENT-length:   2  \r\n", "OK!"),
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "LF line ends",
       .reply = "HTTP/1.0 200 OK\nContent-Length: 2\n\nOK",
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "100 continue first",
       .reply = "HTTP/1.1 100 Continue\r\nX: y\r\n\r\n" + Ok("Content-Length: 2\r\n", "OK"),
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "302 with location",
       .reply = "HTTP/1.1 302 Found\r\nLocation: /x\r\n\r\n",
       .status = TExchangeStatus::Redirect,
       .httpStatus = 302},
      {.name = "300 without location",
       .reply = "HTTP/1.1 300 Choices\r\n\r\n",
       .status = TExchangeStatus::Redirect,
       .httpStatus = 300},
      {.name = "200 with location",
       .reply = Ok("Location: http://h/\r\nContent-Length: 2\r\n", "OK"),
       .status = TExchangeStatus::Redirect},
      {.name = "blank location is none",
       .reply = Ok("Location:  \r\nContent-Length: 2\r\n", "OK"),
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "304",
       .reply = "HTTP/1.1 304 Not Modified\r\n\r\n",
       .status = TExchangeStatus::HttpError,
       .httpStatus = 304},
      {.name = "404 with body",
       .reply = "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found",
       .status = TExchangeStatus::HttpError,
       .httpStatus = 404},
      {.name = "401",
       .reply = "HTTP/1.1 401 Unauthorized\r\n\r\n",
       .status = TExchangeStatus::HttpError,
       .httpStatus = 401},
      {.name = "407",
       .reply = "HTTP/1.1 407 Proxy\r\n\r\n",
       .status = TExchangeStatus::HttpError,
       .httpStatus = 407},
      {.name = "500 bare",
       .reply = "HTTP/1.1 500\r\n\r\n",
       .status = TExchangeStatus::HttpError,
       .httpStatus = 500},
      {.name = "status not a number",
       .reply = "HTTP/1.1 OK 200\r\n\r\n",
       .status = TExchangeStatus::HttpError,
       .httpStatus = -1},
      {.name = "no status word",
       .reply = "HTTP/1.1\r\n\r\n",
       .status = TExchangeStatus::HttpError,
       .httpStatus = -1},
      {.name = "huge status",
       .reply = "HTTP/1.1 99999999999 X\r\n\r\n",
       .status = TExchangeStatus::HttpError,
       .httpStatus = -1},
      {.name = "nothing at all",
       .reply = "",
       .status = TExchangeStatus::ClosedEarly,
       .httpStatus = -1},
      {.name = "close before the empty line",
       .reply = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n",
       .status = TExchangeStatus::ClosedEarly},
      {.name = "close inside the status line",
       .reply = "HTTP/1.1 200",
       .status = TExchangeStatus::ClosedEarly,
       .httpStatus = -1},
      {.name = "line of 16384 bytes",
       .reply = Ok(header16384 + "Content-Length: 2\r\n", "OK"),
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "line of 16385 bytes",
       .reply = Ok(header16385, ""),
       .status = TExchangeStatus::LineTooLong},
      {.name = "line of 20000 bytes",
       .reply = Ok(header20000, ""),
       .status = TExchangeStatus::LineTooLong},
      {.name = "status line too long",
       .reply = "HTTP/1.1 200 " + std::string(20000, 'K') + "\r\n\r\n",
       .status = TExchangeStatus::LineTooLong,
       .httpStatus = -1},
      {.name = "chunk size that is not hex",
       .reply = Ok("Transfer-Encoding: chunked\r\n", "2\r\nOK\r\nzz\r\nmore\r\n0\r\n\r\n"),
       .status = TExchangeStatus::BadChunk},
      {.name = "empty chunk-size line",
       .reply = Ok("Transfer-Encoding: chunked\r\n", "\r\nOK\r\n0\r\n\r\n"),
       .status = TExchangeStatus::BadChunk},
      {.name = "chunked inside another word",
       .reply = Ok("Transfer-Encoding: xchunkedx\r\n", "2\r\nOK\r\n0\r\n\r\n"),
       .status = TExchangeStatus::Ok,
       .body = "2\r\nOK\r\n0\r\n\r\n"},
      {.name = "chunked after another coding",
       .reply = Ok("Transfer-Encoding: gzip, Chunked\r\n", "2\r\nOK\r\n0\r\n\r\n"),
       .status = TExchangeStatus::Ok,
       .body = "OK"},
      {.name = "chunk-size line too long",
       .reply = Ok("Transfer-Encoding: chunked\r\n", std::string(20000, '0') + "\r\n"),
       .status = TExchangeStatus::LineTooLong},
      {.name = "100 header lines",
       .reply = Ok(lines100, "x"),
       .status = TExchangeStatus::Ok,
       .body = "x"},
      {.name = "101 header lines",
       .reply = Ok(lines100 + "X-last: v\r\n", "x"),
       .status = TExchangeStatus::TooManyHeaderLines},
      {.name = "endless 100 continue",
       .reply =
           [] {
             std::string replies;
             for (int i = 0; i < 200; ++i)
               replies += "HTTP/1.1 100 Continue\r\n\r\n";
             return replies;
           }(),
       .status = TExchangeStatus::TooManyHeaderLines,
       .httpStatus = 100},
      {.name = "1 MiB to close", .reply = Ok("", mib), .status = TExchangeStatus::Ok, .body = mib},
      {.name = "2 MiB to close",
       .reply = Ok("", mib + mib),
       .status = TExchangeStatus::BodyTooLarge},
      {.name = "2 MiB by length",
       .reply = Ok("Content-Length: 2097152\r\n", mib + mib),
       .status = TExchangeStatus::BodyTooLarge},
      {.name = "overflowing length",
       .reply = Ok("Content-Length: 99999999999999999999999\r\n", "x"),
       .status = TExchangeStatus::BodyTooLarge},
      {.name = "2 MiB in chunks",
       .reply =
           Ok("Transfer-Encoding: chunked\r\n", "100000\r\n" + mib + "\r\n1\r\nx\r\n0\r\n\r\n"),
       .status = TExchangeStatus::BodyTooLarge},
      {.name = "overflowing chunk size",
       .reply = Ok("Transfer-Encoding: chunked\r\n", "FFFFFFFFFFFFFFFFFFFFFF\r\nx"),
       .status = TExchangeStatus::BodyTooLarge},
      {.name = "silent before the status line",
       .reply = "",
       .status = TExchangeStatus::TimedOut,
       .httpStatus = -1,
       .end = TNetStatus::TimedOut},
      {.name = "silent inside the body",
       .reply = Ok("", "part"),
       .status = TExchangeStatus::TimedOut,
       .end = TNetStatus::TimedOut},
      {.name = "silent after a whole length body",
       .reply = Ok("Content-Length: 2\r\n", "OK"),
       .status = TExchangeStatus::Ok,
       .body = "OK",
       .end = TNetStatus::TimedOut},
      {.name = "reset inside the head",
       .reply = "HTTP/1.1 200 OK\r\n",
       .status = TExchangeStatus::ReceiveFailed,
       .end = TNetStatus::Error},
      {.name = "error reply whose body never ends",
       .reply = "HTTP/1.1 500 X\r\n\r\npart",
       .status = TExchangeStatus::HttpError,
       .httpStatus = 500,
       .end = TNetStatus::TimedOut},
  };
  for (const auto& c : cases) {
    for (const std::size_t pieceSize : {std::size_t{1} << 30, std::size_t{1}}) {
      if (pieceSize == 1 && c.reply.size() > 100000) {
        continue;
      }
      SCOPED_TRACE(std::string(c.name) + (pieceSize == 1 ? ", byte by byte" : ", at once"));
      const TReceived received = Receive(c.reply, pieceSize, c.end);
      EXPECT_EQ(received.Status, c.status);
      EXPECT_EQ(received.Reply.Head.Status, c.httpStatus);
      EXPECT_EQ(received.Reply.Body.size(), c.body.size());
      EXPECT_TRUE(received.Reply.Body == c.body);
    }
  }
}

TEST(ReceiveReplyTest, ContinuationLinesJoinTheirOwnHeader) {
  const TReceived received = Receive(
      Ok("X-A: one\r\n two \r\n\tthree\r\nX-A: ignored\r\n more\r\nX-B:b\r\n", ""), 1 << 20);
  ASSERT_EQ(received.Status, TExchangeStatus::Ok);
  EXPECT_EQ(received.Reply.Head.Find("x-a"), "one two three");
  EXPECT_EQ(received.Reply.Head.FindAll("X-A"),
            (std::vector<std::string>{"one two three", "ignored more"}));
  EXPECT_EQ(received.Reply.Head.Find("X-B"), "b");
  EXPECT_EQ(received.Reply.Head.Find("X-C"), std::nullopt);
}

TEST(ReceiveReplyTest, DrainsAFailedReplyWithTheShortWait) {
  const TReceived received = Receive("HTTP/1.1 404 Not Found\r\n\r\nerror page", 4);
  EXPECT_EQ(received.Status, TExchangeStatus::HttpError);
  EXPECT_TRUE(received.Connection->Pieces.empty()) << "the error body is read to the end";
  const auto& waits = received.Connection->ReceiveLimits;
  ASSERT_GE(waits.size(), 2u);
  EXPECT_EQ(waits.front(), kWait);
  EXPECT_EQ(waits.back(), kErrorWait);
}

TEST(ReceiveReplyTest, KeepsWaitingForTheSilenceLimitOnSuccess) {
  const TReceived received = Receive(Ok("", "body"), 3);
  EXPECT_EQ(received.Status, TExchangeStatus::Ok);
  for (const auto wait : received.Connection->ReceiveLimits) {
    EXPECT_EQ(wait, kWait);
  }
}

TEST(ParseChunkSizeTest, ReadsTheHexBeforeABlankOrExtension) {
  struct {
    const char* line;
    std::optional<std::size_t> size;
  } const cases[] = {{"0", 0},
                     {"1a", 26},
                     {"1A", 26},
                     {"10 junk", 16},
                     {"10;ext=1", 16},
                     {"", std::nullopt},
                     {" 5", std::nullopt},
                     {"5x", std::nullopt},
                     {"-5", std::nullopt},
                     {"\t", std::nullopt},
                     {"<html>", std::nullopt},
                     {"ff\t", 255}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ParseChunkSize(c.line), c.size);
  }
}

TEST(NamesChunkedTest, MatchesTheWordOnly) {
  struct {
    const char* value;
    bool chunked;
  } const cases[] = {
      {"chunked", true},        {"Chunked", true},      {"gzip, chunked", true},
      {" chunked ,gzip", true}, {"chunked;x=1", true},  {"", false},
      {"xchunked", false},      {"chunkedx", false},    {"not-chunked", false},
      {"gzip chunked", false},  {"\"chunked\"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(NamesChunked(c.value), c.chunked);
  }
}

}  // namespace
}  // namespace porvan
