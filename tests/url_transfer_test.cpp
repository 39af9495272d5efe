// The transfer seam: how a transfer's end is judged, and libcurl against a loopback server.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/url_transfer.h"
#include "support/loopback_server.h"
#include "update/nx_url_down.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using testing::TLoopbackServer;
using testing::TServerAct;
using testing::TServerTurn;

TEST(TransferStopTextTest, OnlyAWhole2xxReplyHasNoText) {
  struct {
    const char* name;
    TTransferEnd end;
    std::string text;
  } const cases[] = {
      {.name = "200",
       .end = {.PlatformError = "", .PlatformFailed = false, .Aborted = false, .HttpStatus = 200},
       .text = ""},
      {.name = "206",
       .end = {.PlatformError = "", .PlatformFailed = false, .Aborted = false, .HttpStatus = 299},
       .text = ""},
      {.name = "a 404 reported as success",
       .end = {.PlatformError = "", .PlatformFailed = false, .Aborted = false, .HttpStatus = 404},
       .text = "The server answered with status 404."},
      {.name = "a redirect",
       .end = {.PlatformError = "", .PlatformFailed = false, .Aborted = false, .HttpStatus = 302},
       .text = "The server answered with status 302."},
      {.name = "no reply reported as success",
       .end = {.PlatformError = "", .PlatformFailed = false, .Aborted = false, .HttpStatus = 0},
       .text = "The server sent no reply."},
      {.name = "aborted after a 200",
       .end = {.PlatformError = "", .PlatformFailed = false, .Aborted = true, .HttpStatus = 200},
       .text = "The transfer was aborted."},
      {.name = "failed without a text",
       .end = {.PlatformError = "", .PlatformFailed = true, .Aborted = false, .HttpStatus = 200},
       .text = "The transfer failed."},
      {.name = "the platform's own text wins",
       .end =
           {.PlatformError = "Timeout", .PlatformFailed = true, .Aborted = true, .HttpStatus = 200},
       .text = "Timeout"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TransferStopText(c.end), c.text);
  }
}

// Records the notifications; answers false to progress from `abortAt` bytes on.
class TRecordingEvents : public IUrlTransferEvents {
 public:
  std::vector<std::string> Log;
  std::uint32_t AbortAt = std::numeric_limits<std::uint32_t>::max();
  std::uint32_t LastPosition = 0;
  std::uint32_t LastMax = 0;
  int Progresses = 0;

  void OnStartBinding() override { Log.push_back("start"); }
  bool OnProgress(std::uint32_t progress, std::uint32_t progressMax,
                  const std::string& /*statusText*/) override {
    if (Progresses++ == 0) {
      Log.push_back("progress");
    }
    EXPECT_GE(progress, LastPosition);
    LastPosition = progress;
    LastMax = progressMax;
    return progress < AbortAt;
  }
  void OnStopBinding(const std::string& errorText) override { Log.push_back("stop " + errorText); }
};

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class CurlTransferTest : public ::testing::Test {
 protected:
  CurlTransferTest() {
    std::filesystem::create_directories(folder);
    std::ofstream(target, std::ios::binary) << "older installer";
  }
  ~CurlTransferTest() override { std::filesystem::remove_all(folder); }

  // Only the target is left in the folder: no partial file stays behind.
  std::vector<std::string> FolderFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("porvan-transfer-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
       "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::path target = folder / "setup.exe";
  std::unique_ptr<IUrlTransfer> transfer = CreateSystemUrlTransfer();
  TTransferLimits limits{.Connect = 2000ms, .Silence = 1000ms};
  TRecordingEvents events;
};

const std::string kBody = [] {
  std::string body;
  for (int i = 0; body.size() < 3'000'000; ++i) {
    body += std::to_string(i) + ",";
  }
  return body;
}();

TEST_F(CurlTransferTest, FetchesTheFileWithProgressAndAStopWithoutText) {
  TLoopbackServer server({{.Reply = "HTTP/1.1 200 OK\r\nContent-Length: " +
                                    std::to_string(kBody.size()) + "\r\n\r\n" + kBody,
                           .Act = TServerAct::Answer}});
  ASSERT_TRUE(server.Listening());
  transfer->Download(server.Url("/dl/setup.exe"), target.string(), events, limits);
  EXPECT_EQ(events.Log, (std::vector<std::string>{"start", "progress", "stop "}));
  EXPECT_EQ(events.LastPosition, kBody.size());
  EXPECT_EQ(events.LastMax, kBody.size());
  EXPECT_EQ(ReadFile(target), kBody);
  EXPECT_EQ(FolderFiles(), std::vector<std::string>{"setup.exe"});
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_TRUE(server.Requests()[0].starts_with("GET /dl/setup.exe HTTP/1.1\r\n"));
}

TEST_F(CurlTransferTest, AFailedTransferStopsWithATextAndLeavesTheOlderFile) {
  struct {
    const char* name;
    TServerTurn turn;
    std::uint32_t abortAt;
  } const cases[] = {
      {.name = "404 with an error page",
       .turn = {.Reply = "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot here!",
                .Act = TServerAct::Answer},
       .abortAt = std::numeric_limits<std::uint32_t>::max()},
      {.name = "closed before a reply",
       .turn = {.Reply = "", .Act = TServerAct::CloseUnanswered},
       .abortAt = std::numeric_limits<std::uint32_t>::max()},
      {.name = "silent server",
       .turn = {.Reply = "", .Act = TServerAct::StaySilent},
       .abortAt = std::numeric_limits<std::uint32_t>::max()},
      {.name = "body cut short",
       .turn = {.Reply = "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npart",
                .Act = TServerAct::Answer},
       .abortAt = std::numeric_limits<std::uint32_t>::max()},
      {.name = "aborted by progress",
       .turn = {.Reply = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kBody.size()) +
                         "\r\n\r\n" + kBody,
                .Act = TServerAct::Answer},
       .abortAt = 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    events = TRecordingEvents();
    events.AbortAt = c.abortAt;
    TLoopbackServer server({c.turn});
    ASSERT_TRUE(server.Listening());
    transfer->Download(server.Url("/setup.exe"), target.string(), events, limits);
    ASSERT_GE(events.Log.size(), 2u);
    EXPECT_EQ(events.Log.front(), "start");
    EXPECT_TRUE(events.Log.back().starts_with("stop ")) << events.Log.back();
    EXPECT_GT(events.Log.back().size(), 5u);
    EXPECT_EQ(ReadFile(target), "older installer");
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"setup.exe"});
  }
}

TEST_F(CurlTransferTest, AnUnwritableFileStopsWithAText) {
  TLoopbackServer server({});
  transfer->Download(server.Url("/setup.exe"), (folder / "missing" / "setup.exe").string(), events,
                     limits);
  ASSERT_EQ(events.Log.size(), 2u);
  EXPECT_TRUE(events.Log[1].starts_with("stop The file "));
}

TEST_F(CurlTransferTest, TheSecureProbeWantsTls) {
  TLoopbackServer server({{.Reply = "HTTP/1.1 200 OK\r\n\r\n", .Act = TServerAct::Answer}});
  ASSERT_TRUE(server.Listening());
  const std::string url = "https://127.0.0.1:" + std::to_string(server.Port()) + "/setup.exe";
  EXPECT_FALSE(transfer->ProbeSecure(url, "https://127.0.0.1/", limits).Answered);
  EXPECT_FALSE(transfer->ProbeSecure(server.Url("/setup.exe"), "x", limits).Answered);
}

TEST_F(CurlTransferTest, TheComponentProbesThenFetchesWithCurl) {
  TLoopbackServer server(
      {{.Reply = "HTTP/1.1 302 Found\r\nLocation: files/setup.exe\r\n\r\n",
        .Act = TServerAct::Answer},
       {.Reply = "HTTP/1.1 200 OK\r\n\r\n", .Act = TServerAct::Answer},
       {.Reply = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nMZexe", .Act = TServerAct::Answer}});
  ASSERT_TRUE(server.Listening());
  std::unique_ptr<ISocketFactory> sockets = CreateSystemSocketFactory();
  TNxURLDownload download(*sockets, *transfer);
  download.SaveDir = (folder / "save").string();
  download.SetURL(server.Url("/dl/get.php?id=7"));
  std::vector<std::string> log;
  download.SetOnStart([&](TCustomURLDownload&, const std::string& url) { log.push_back(url); });
  download.SetOnStop(
      [&](TCustomURLDownload& sender) { log.push_back("stop " + sender.ErrorText); });
  EXPECT_TRUE(download.Download());
  EXPECT_EQ(log, (std::vector<std::string>{server.Url("/dl/files/setup.exe"), "stop "}));
  // The path rule always inserts "\", which POSIX keeps as part of the name.
  EXPECT_EQ(download.LocalFileName(), (folder / "save").string() + "\\setup.exe");
  EXPECT_EQ(ReadFile(download.LocalFileName()), "MZexe");
}

}  // namespace
}  // namespace porvan
