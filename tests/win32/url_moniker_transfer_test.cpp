// The Windows transfer seam under Wine: URL Moniker from a loopback server, judged by status.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include "common/path_text.h"
#include "platform/url_transfer.h"
#include "support/foreign_names.h"
#include "support/transfer_cases.h"
#include "win32/bind_status_callback.h"
#include "win32/win32_url_transfer.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using testing::TLoopbackServer;
using testing::TRecordingEvents;
using testing::TServerAct;

class UrlMonikerTransferTest : public ::testing::Test {
 protected:
  // Korean beside characters CP949 lacks: the path must reach the file system intact.
  testing::TTempFolder folder{L"\uB0B4\uB824\uBC1B\uAE30 " +
                              PathFromUtf8(testing::kForeignFolderName).native()};
  std::wstring target = folder.Path() + L"setup.exe";
  std::unique_ptr<IUrlTransfer> transfer = std::make_unique<TUrlMonikerTransfer>();
  TTransferLimits limits;
  TRecordingEvents events;
};

TEST_F(UrlMonikerTransferTest, FetchesTwentyMegabytesWithProgress) {
  const std::string body = testing::NumberedBody(20 * 1024 * 1024);
  TLoopbackServer server({{.Reply = testing::OkReply(body), .Act = TServerAct::Answer}});
  ASSERT_TRUE(server.Listening());
  std::string atStop;
  events.OnStop = [&] { atStop = testing::ReadWholeFile(target); };
  transfer->Download(server.Url("/dl/setup.exe"), target, events, limits);
  EXPECT_EQ(events.Log, (std::vector<std::string>{"start", "progress", "stop "}));
  EXPECT_GE(events.Progresses, 2);
  EXPECT_EQ(events.LastMax, body.size());
  EXPECT_EQ(events.LastPosition, body.size());
  EXPECT_FALSE(events.PositionWentBack);
  EXPECT_TRUE(atStop == body) << "the file at the stop holds " << atStop.size() << " bytes";
  EXPECT_TRUE(testing::ReadWholeFile(target) == body);
}

TEST_F(UrlMonikerTransferTest, AFailureReportedAsSuccessStopsWithAText) {
  for (const auto& c : testing::TransferFailureCases()) {
    if (c.NeedsSilenceLimit) {
      continue;  // the URL Moniker keeps the system's own, long limits
    }
    SCOPED_TRACE(c.Name);
    events = TRecordingEvents();
    events.AbortAt = c.Abort ? 1 : events.AbortAt;
    TLoopbackServer server({c.Turn});
    ASSERT_TRUE(server.Listening());
    transfer->Download(server.Url("/setup.exe"), target, events, limits);
    ASSERT_GE(events.Log.size(), 2u);
    EXPECT_EQ(events.Log.front(), "start");
    EXPECT_TRUE(events.Log.back().starts_with("stop ")) << events.Log.back();
    EXPECT_GT(events.Log.back().size(), 5u) << "reported as a success";
  }
}

TEST_F(UrlMonikerTransferTest, TheBindingAsksForTheNewestVersionAndNoCacheWrite) {
  // On Windows a copy from the URL cache brings no reply status and may be an older file; the
  // binding flags keep every transfer on the server. Wine reads no cache here either way, so
  // the flags themselves are checked.
  auto* callback = new TBindStatusCallback(events, "http://127.0.0.1/setup.exe");
  DWORD flags = BINDF_ASYNCHRONOUS;
  BINDINFO info{};
  info.cbSize = sizeof info;
  EXPECT_EQ(callback->GetBindInfo(&flags, &info), S_OK);
  const DWORD fromTheServer = BINDF_GETNEWESTVERSION | BINDF_NOWRITECACHE | BINDF_PRAGMA_NO_CACHE;
  EXPECT_EQ(flags & fromTheServer, fromTheServer);
  EXPECT_NE(flags & BINDF_ASYNCHRONOUS, 0u) << "the platform's own flags are kept";
  EXPECT_EQ(info.cbSize, sizeof info);
  callback->Release();
}

TEST_F(UrlMonikerTransferTest, EachTransferComesFromTheServerNeverFromTheUrlCache) {
  // Replies the URL cache may keep for an hour; the server then puts a newer file at the URL.
  const auto cacheable = [](const std::string& body) {
    return testing::TServerTurn{
        .Reply = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                 "\r\nCache-Control: public, max-age=3600\r\n"
                 "Last-Modified: Mon, 07 Dec 2026 10:00:00 GMT\r\n\r\n" +
                 body,
        .Act = TServerAct::Answer};
  };
  TLoopbackServer server({cacheable("MZ first installer"), cacheable("MZ newer installer")});
  ASSERT_TRUE(server.Listening());
  for (const std::string expected : {"MZ first installer", "MZ newer installer"}) {
    SCOPED_TRACE(expected);
    events = TRecordingEvents();
    transfer->Download(server.Url("/dl/setup.exe"), target, events, limits);
    // The status is seen on each transfer, so each one is judged a success.
    EXPECT_EQ(events.Log, (std::vector<std::string>{"start", "progress", "stop "}));
    EXPECT_EQ(testing::ReadWholeFile(target), expected);
  }
  EXPECT_EQ(server.Requests().size(), 2u);
}

TEST_F(UrlMonikerTransferTest, ARedirectItFollowsIsNamedFirstAndCanBeRefused) {
  for (const bool refuse : {false, true}) {
    SCOPED_TRACE(refuse ? "refused" : "followed");
    TLoopbackServer elsewhere(
        {{.Reply = testing::OkReply("MZ elsewhere"), .Act = TServerAct::Answer}});
    ASSERT_TRUE(elsewhere.Listening());
    const std::string location = elsewhere.Url("/other/setup.exe");
    TLoopbackServer server(
        {{.Reply = "HTTP/1.1 302 Found\r\nLocation: " + location + "\r\nContent-Length: 0\r\n\r\n",
          .Act = TServerAct::Answer}});
    ASSERT_TRUE(server.Listening());
    events = TRecordingEvents();
    events.RefuseRedirects = refuse;
    transfer->Download(server.Url("/setup.exe"), target, events, limits);
    ASSERT_GE(events.Log.size(), 2u);
    EXPECT_NE(std::find(events.Log.begin(), events.Log.end(), "redirect " + location),
              events.Log.end());
    // Wine's moniker names the place only once its reply is in, so the request went out and
    // the file may hold the reply; what matters is that the transfer ends as a failure.
    EXPECT_EQ(elsewhere.Requests().size(), 1u);
    if (refuse) {
      EXPECT_GT(events.Log.back().size(), 5u) << "a refused redirect reported as a success";
    } else {
      EXPECT_EQ(events.Log.back(), "stop ");
      EXPECT_EQ(testing::ReadWholeFile(target), "MZ elsewhere");
    }
  }
}

TEST_F(UrlMonikerTransferTest, TheComponentProbesOverWinsockThenFetches) {
  std::wstring saveDir = folder.Path();
  saveDir.pop_back();  // the component puts the "\" in
  EXPECT_EQ(testing::DownloadThroughTheComponent(*transfer, saveDir).native(), target);
  EXPECT_EQ(testing::ReadWholeFile(target), "MZ installer");
}

}  // namespace
}  // namespace porvan
