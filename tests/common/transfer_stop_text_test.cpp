// The transfer seam: how a transfer's end is judged, and libcurl against a loopback server.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "common/transfer_stop_text.h"
#include "platform/url_transfer.h"
#include "posix/posix_url_transfer.h"
#include "support/loopback_server.h"
#include "support/transfer_cases.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using testing::TLoopbackServer;
using testing::TRecordingEvents;
using testing::TServerAct;

TEST(TransferStopTextTest, OnlyAWhole2xxReplyHasNoText) {
  // Each case changes one thing of a clean end: a whole 200 reply.
  struct {
    const char* name;
    std::function<void(TTransferEnd&)> change;
    std::string text;
  } const cases[] = {
      {.name = "200", .change = [](TTransferEnd&) {}, .text = ""},
      {.name = "299", .change = [](TTransferEnd& e) { e.HttpStatus = 299; }, .text = ""},
      {.name = "size not announced", .change = [](TTransferEnd& e) { e.Expected = 0; }, .text = ""},
      {.name = "a 404 reported as success",
       .change = [](TTransferEnd& e) { e.HttpStatus = 404; },
       .text = "The server answered with status 404."},
      {.name = "a redirect",
       .change = [](TTransferEnd& e) { e.HttpStatus = 302; },
       .text = "The server answered with status 302."},
      {.name = "no reply reported as success",
       .change = [](TTransferEnd& e) { e.HttpStatus = 0; },
       .text = "The server sent no reply."},
      {.name = "a body cut short reported as success",
       .change = [](TTransferEnd& e) { e.Received = 4; },
       .text = "The connection ended after 4 of 100 bytes."},
      {.name = "aborted",
       .change = [](TTransferEnd& e) { e.Aborted = true; },
       .text = "The transfer was aborted."},
      {.name = "failed without a text",
       .change = [](TTransferEnd& e) { e.PlatformFailed = true; },
       .text = "The transfer failed."},
      {.name = "the platform's own text wins",
       .change =
           [](TTransferEnd& e) {
             e.PlatformError = "Timeout";
             e.Aborted = true;
           },
       .text = "Timeout"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TTransferEnd end;
    end.HttpStatus = 200;
    end.Received = 100;
    end.Expected = 100;
    c.change(end);
    EXPECT_EQ(TransferStopText(end), c.text);
  }
}

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
  std::unique_ptr<IUrlTransfer> transfer = std::make_unique<TCurlUrlTransfer>();
  TTransferLimits limits{.Connect = 2000ms, .Silence = 1000ms};
  TRecordingEvents events;
};

const std::string kBody = testing::NumberedBody(3'000'000);

TEST_F(CurlTransferTest, FetchesTheFileWithProgressAndAStopWithoutText) {
  TLoopbackServer server({{.Reply = testing::OkReply(kBody), .Act = TServerAct::Answer}});
  ASSERT_TRUE(server.Listening());
  std::string atStop;  // the installer is started from the stop notification
  events.OnStop = [&] { atStop = ReadFile(target); };
  transfer->Download(server.Url("/dl/setup.exe"), target.string(), events, limits);
  EXPECT_EQ(events.Log, (std::vector<std::string>{"start", "progress", "stop "}));
  EXPECT_EQ(atStop, kBody);
  EXPECT_FALSE(events.PositionWentBack);
  EXPECT_EQ(events.LastPosition, kBody.size());
  EXPECT_EQ(events.LastMax, kBody.size());
  EXPECT_EQ(ReadFile(target), kBody);
  EXPECT_EQ(FolderFiles(), std::vector<std::string>{"setup.exe"});
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_TRUE(server.Requests()[0].starts_with("GET /dl/setup.exe HTTP/1.1\r\n"));
}

TEST_F(CurlTransferTest, AFailedTransferStopsWithATextAndLeavesTheOlderFile) {
  for (const auto& c : testing::TransferFailureCases()) {
    SCOPED_TRACE(c.Name);
    events = TRecordingEvents();
    events.AbortAt = c.Abort ? 1 : events.AbortAt;
    TLoopbackServer server({c.Turn});
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
  std::filesystem::create_directories(folder / "save");
  const std::string path =
      testing::DownloadThroughTheComponent(*transfer, folder / "save").native();
  EXPECT_EQ(path, (folder / "save").string() + "/setup.exe");
  EXPECT_EQ(ReadFile(path), "MZ installer");
}

}  // namespace
}  // namespace porvan
