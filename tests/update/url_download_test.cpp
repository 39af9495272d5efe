// TNxURLDownload: redirect probes against a loopback server, events, Abort, and the result.
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "posix/posix_socket_factory.h"
#include "support/exchange_cases.h"
#include "support/fake_url_transfer.h"
#include "support/loopback_server.h"
#include "support/thread_gui_wait.h"
#include "update/url_download.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using testing::FakeUrlTransfer;
using testing::TLoopbackServer;
using testing::TServerAct;
using testing::TServerTurn;

TServerTurn Redirect(const std::string& location, int status = 302) {
  return {.Reply = "HTTP/1.1 " + std::to_string(status) + " Found\r\nLocation: " + location +
                   "\r\nContent-Length: 0\r\n\r\n",
          .Act = TServerAct::Answer};
}

// A HEAD reply announces a body it does not send; the probe must not wait for it.
const TServerTurn kFound = {.Reply = "HTTP/1.1 200 OK\r\nContent-Length: 12345\r\n\r\n",
                            .Act = TServerAct::AnswerAndHold};

// The exact probe: the Referer is the URL's root as written, scheme case included.
std::string ProbeHead(const TLoopbackServer& server, const std::string& target,
                      const std::string& scheme = "http") {
  const std::string host = "127.0.0.1:" + std::to_string(server.Port());
  return "HEAD " + target + " HTTP/1.1\r\nHost: " + host + "\r\nReferer: " + scheme + "://" + host +
         "/\r\nAccept: */*\r\nConnection: close\r\n\r\n";
}

// Where a file named `name` is saved in the fixture's folder.
std::string InTemp(const std::string& name) {
  return std::string("C:\\Temp") + kPathSeparator + name;
}

class NxURLDownloadTest : public ::testing::Test {
 protected:
  NxURLDownloadTest() {
    download.SaveDir = "C:\\Temp";
    download.URLDownload.Limits = {.Connect = 2000ms, .Silence = 2000ms};
    download.SetOnStart([this](TCustomURLDownload& sender, const std::string& url) {
      Log(sender, "start " + url);
    });
    download.SetOnProgressStatus([this](TCustomURLDownload& sender, std::uint32_t max,
                                        std::uint32_t position, const std::string& text,
                                        bool& abort) {
      Log(sender, "progress " + std::to_string(position) + "/" + std::to_string(max) + " " + text);
      abort = position >= abortAt;
    });
    download.SetOnStop(
        [this](TCustomURLDownload& sender) { Log(sender, "stop " + sender.ErrorText); });
  }

  void Log(TCustomURLDownload& sender, const std::string& line) {
    EXPECT_EQ(&sender, &download.URLDownload);
    events.push_back(line);
  }

  std::unique_ptr<ISocketFactory> sockets = std::make_unique<TPosixSocketFactory>();
  FakeUrlTransfer transfer;
  TThreadGuiWait waits;
  TNxURLDownload download{*sockets, transfer, waits};
  std::vector<std::string> events;
  std::uint32_t abortAt = std::numeric_limits<std::uint32_t>::max();
};

TEST_F(NxURLDownloadTest, FollowsEachKindOfLocationToTheFinalUrl) {
  TLoopbackServer other({kFound});
  ASSERT_TRUE(other.Listening());
  const std::string otherUrl = "HTTP://127.0.0.1:" + std::to_string(other.Port()) + "/pub/x.exe";
  TLoopbackServer server(
      {Redirect("/files/s.exe", 301), Redirect("s2.exe", 307), Redirect(otherUrl, 303)});
  ASSERT_TRUE(server.Listening());

  download.SetURL(server.Url("/dl/setup.exe"));
  EXPECT_TRUE(download.Download());

  EXPECT_EQ(server.Requests(), (std::vector<std::string>{ProbeHead(server, "/dl/setup.exe"),
                                                         ProbeHead(server, "/dl/files/s.exe"),
                                                         ProbeHead(server, "/dl/files/s2.exe")}));
  EXPECT_EQ(other.Requests(), (std::vector<std::string>{ProbeHead(other, "/pub/x.exe", "HTTP")}));
  EXPECT_EQ(download.URL(), otherUrl);
  EXPECT_EQ(download.LocalFileName(), InTemp("x.exe"));
  ASSERT_EQ(transfer.Downloads.size(), 1u);
  EXPECT_EQ(transfer.Downloads[0].Url, otherUrl);
  EXPECT_EQ(transfer.Downloads[0].Path, InTemp("x.exe"));
  EXPECT_EQ(events, (std::vector<std::string>{"start " + otherUrl, "stop "}));
}

TEST_F(NxURLDownloadTest, AnHttpsLocationLeadsToTheSecureProbeInAnyCase) {
  for (const std::string location :
       {"https://localhost:9/pub/s.exe", "HTTPS://localhost:9/pub/s.exe"}) {
    SCOPED_TRACE(location);
    transfer.Downloads.clear();
    transfer.Probes.clear();
    TLoopbackServer server({Redirect(location)});
    ASSERT_TRUE(server.Listening());
    download.SetURL(server.Url("/dl/setup.exe"));
    EXPECT_TRUE(download.Download());
    ASSERT_EQ(transfer.Probes.size(), 1u);
    EXPECT_EQ(transfer.Probes[0].Url, location);
    ASSERT_EQ(transfer.Downloads.size(), 1u);
    EXPECT_EQ(transfer.Downloads[0].Url, location);
    EXPECT_EQ(download.LocalFileName(), InTemp("s.exe"));
  }
}

TEST_F(NxURLDownloadTest, AReplyTakesOneRoad) {
  struct {
    const char* name;
    std::string reply;
    bool downloads;
  } const cases[] = {
      {.name = "2xx without Location is final",
       .reply = "HTTP/1.1 204 No Content\r\n\r\n",
       .downloads = true},
      {.name = "a 2xx with Location redirects",
       .reply = "HTTP/1.1 200 OK\r\nLocation: final.exe\r\n\r\n",
       .downloads = true},
      {.name = "3xx without Location stays",
       .reply = "HTTP/1.1 302 Found\r\n\r\n",
       .downloads = true},
      {.name = "404 fails", .reply = "HTTP/1.1 404 Not Found\r\n\r\n", .downloads = false},
      {.name = "304 is no redirect",
       .reply = "HTTP/1.1 304 Not Modified\r\n\r\n",
       .downloads = false},
      {.name = "500 fails", .reply = "HTTP/1.1 500 Oops\r\n\r\n", .downloads = false},
      {.name = "garbage fails", .reply = "SSH-2.0-OpenSSH\r\n\r\n", .downloads = false},
      {.name = "a head cut short fails",
       .reply = "HTTP/1.1 200 OK\r\nContent-",
       .downloads = false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    transfer.Downloads.clear();
    events.clear();
    download.URLDownload.LocalFileName = "earlier";
    TLoopbackServer server({{.Reply = c.reply, .Act = TServerAct::Answer}, kFound});
    ASSERT_TRUE(server.Listening());
    download.SetURL(server.Url("/dl/setup.exe"));
    EXPECT_EQ(download.Download(), c.downloads);
    EXPECT_EQ(transfer.Downloads.size(), c.downloads ? 1u : 0u);
    if (!c.downloads) {
      EXPECT_EQ(events, std::vector<std::string>{});
      EXPECT_EQ(download.LocalFileName(), "earlier");
      EXPECT_EQ(download.URL(), server.Url("/dl/setup.exe"));
    }
  }
}

TEST_F(NxURLDownloadTest, TenHopsAreFollowedAndAnEleventhFails) {
  for (const int hops : {10, 11}) {
    SCOPED_TRACE(hops);
    transfer.Downloads.clear();
    std::vector<TServerTurn> turns;
    for (int hop = 1; hop <= hops; ++hop) {
      turns.push_back(Redirect("hop" + std::to_string(hop) + ".exe"));
    }
    turns.push_back(kFound);
    TLoopbackServer server(turns);
    ASSERT_TRUE(server.Listening());
    download.SetURL(server.Url("/start.exe"));
    const bool followed = hops <= kMaxRedirectHops;
    EXPECT_EQ(download.Download(), followed);
    EXPECT_EQ(server.Requests().size(), static_cast<std::size_t>(followed ? hops + 1 : hops));
    EXPECT_EQ(transfer.Downloads.size(), followed ? 1u : 0u);
  }
}

TEST_F(NxURLDownloadTest, ProbesThatGetNoAnswerFailWithinTheirLimits) {
  download.URLDownload.Limits = {.Connect = 300ms, .Silence = 300ms};
  for (const TServerAct act : {TServerAct::StaySilent, TServerAct::CloseUnanswered}) {
    TLoopbackServer server({{.Reply = "", .Act = act}});
    ASSERT_TRUE(server.Listening());
    download.SetURL(server.Url("/setup.exe"));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(download.Download());
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
  }
  download.SetURL("http://127.0.0.1:1/setup.exe");  // nobody listens on port 1
  EXPECT_FALSE(download.Download());
  download.SetURL("http://127.0.0.1/set\rup.exe");
  EXPECT_FALSE(download.Download());
  EXPECT_TRUE(transfer.Downloads.empty());
  EXPECT_TRUE(events.empty());
}

TEST_F(NxURLDownloadTest, AProbeOfADripFeedingServerEndsAtItsDeadline) {
  const std::string reply = "HTTP/1.1 200 OK\r\nX-Drip: " + std::string(2000, 'x') + "\r\n\r\n";
  TLoopbackServer server({{.Reply = reply, .Act = TServerAct::Drip}});
  ASSERT_TRUE(server.Listening());
  download.URLDownload.Clock = testing::SteppingClock(1000ms);
  const TResolveResult result = download.URLDownload.ResolveRedirects(server.Url("/setup.exe"));
  EXPECT_EQ(result.Status, TResolveStatus::ProbeFailed);
  EXPECT_EQ(result.ProbeStatus, TExchangeStatus::DeadlinePassed);
}

// The installer's URL comes from the server: blanks and high bytes in it must not reach the
// request line raw.
TEST_F(NxURLDownloadTest, AServerGivenUrlIsProbedEscaped) {
  TLoopbackServer server({kFound});
  ASSERT_TRUE(server.Listening());
  download.SetURL(server.Url("/dl/a b\xB0\xA1/get.php?v=1 2&file=my setup\xB0\xA1.exe"));
  EXPECT_TRUE(download.Download());
  EXPECT_EQ(server.Requests(),
            std::vector<std::string>{
                ProbeHead(server, "/dl/a%20b%B0%A1/get.php?v=1%202&file=my%20setup%B0%A1.exe")});
}

TEST_F(NxURLDownloadTest, HttpsIsProbedThroughThePlatformsSecureClient) {
  transfer.ProbeReplies = {{.Answered = true, .Status = 302, .Location = "https://127.0.0.1:1/x"},
                           {.Answered = false, .Status = -1, .Location = ""}};
  download.SetURL("https://127.0.0.1:1/dl/setup.exe");
  EXPECT_FALSE(download.Download());  // the second hop goes unanswered
  ASSERT_EQ(transfer.Probes.size(), 2u);
  EXPECT_EQ(transfer.Probes[0].Url, "https://127.0.0.1:1/dl/setup.exe");
  EXPECT_EQ(transfer.Probes[0].Referer, "https://127.0.0.1:1/");

  transfer.ProbeReplies = {{.Answered = true, .Status = 200, .Location = ""}};
  EXPECT_TRUE(download.Download());
  ASSERT_EQ(transfer.Downloads.size(), 1u);
  EXPECT_EQ(transfer.Downloads[0].Url, "https://127.0.0.1:1/dl/setup.exe");

  transfer.ProbeReplies = {{.Answered = false, .Status = -1, .Location = ""}};
  EXPECT_FALSE(download.Download());
  EXPECT_EQ(transfer.Downloads.size(), 1u);
}

TEST_F(NxURLDownloadTest, OnlyHttpAndHttpsAreProbedAndNoRedirectLeadsElsewhere) {
  // Each server would answer; a refused URL or hop must not reach it, nor the transfer.
  struct {
    const char* name;
    std::string (*url)(const TLoopbackServer& server);
    std::string location;  // the first probe's redirect, when there is one
    TDownloadRefusal refusal;
    std::size_t probes;
  } const cases[] = {
      {.name = "ftp on the server's port",
       .url =
           [](const TLoopbackServer& s) {
             return "ftp://127.0.0.1:" + std::to_string(s.Port()) + "/setup.exe";
           },
       .location = "",
       .refusal = TDownloadRefusal::NotHttp,
       .probes = 0},
      {.name = "a local file",
       .url = [](const TLoopbackServer&) { return std::string("file:///C:/Windows/notepad.exe"); },
       .location = "",
       .refusal = TDownloadRefusal::NotHttp,
       .probes = 0},
      {.name = "a share",
       .url = [](const TLoopbackServer&) { return std::string("\\\\127.0.0.1\\c$\\setup.exe"); },
       .location = "",
       .refusal = TDownloadRefusal::NotHttp,
       .probes = 0},
      {.name = "redirect to ftp",
       .url = [](const TLoopbackServer& s) { return s.Url("/dl/setup.exe"); },
       .location = "ftp://127.0.0.1/setup.exe",
       .refusal = TDownloadRefusal::RedirectToOtherScheme,
       .probes = 1},
      {.name = "redirect to a local file",
       .url = [](const TLoopbackServer& s) { return s.Url("/dl/setup.exe"); },
       .location = "file:///C:/Windows/notepad.exe",
       .refusal = TDownloadRefusal::RedirectToOtherScheme,
       .probes = 1},
      {.name = "redirect to a drive",
       .url = [](const TLoopbackServer& s) { return s.Url("/dl/setup.exe"); },
       .location = "C:\\Windows\\notepad.exe",
       .refusal = TDownloadRefusal::RedirectToOtherScheme,
       .probes = 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    transfer.Downloads.clear();
    download.URLDownload.LocalFileName = "earlier";
    TLoopbackServer server({c.location.empty() ? kFound : Redirect(c.location), kFound});
    ASSERT_TRUE(server.Listening());
    download.SetURL(c.url(server));
    EXPECT_FALSE(download.Download());
    EXPECT_EQ(download.URLDownload.Refusal, c.refusal);
    EXPECT_EQ(server.Requests().size(), c.probes);
    EXPECT_TRUE(transfer.Downloads.empty());
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(download.LocalFileName(), "earlier");
  }
}

TEST_F(NxURLDownloadTest, AnHttpsProbeRedirectedToPlainHttpEndsTheDownload) {
  TLoopbackServer plain({kFound});
  ASSERT_TRUE(plain.Listening());
  transfer.ProbeReplies = {{.Answered = true, .Status = 302, .Location = plain.Url("/setup.exe")}};
  download.SetURL("https://127.0.0.1:1/dl/setup.exe");
  EXPECT_FALSE(download.Download());
  EXPECT_EQ(download.URLDownload.Refusal, TDownloadRefusal::RedirectToHttp);
  EXPECT_TRUE(plain.Requests().empty());
  EXPECT_TRUE(transfer.Downloads.empty());
}

TEST_F(NxURLDownloadTest, ANameThatIsNoPlainInstallerNameIsRefusedBeforeAnyByte) {
  struct {
    const char* target;
    const char* filename;
  } const cases[] = {
      {.target = "/dl/CON.exe", .filename = ""},
      {.target = "/dl/nul.msi", .filename = ""},
      {.target = "/dl/setup.scr", .filename = ""},
      {.target = "/dl/setup.exe.lnk", .filename = ""},
      {.target = "/dl/notes.txt:setup.exe", .filename = ""},
      {.target = "/dl/..", .filename = ""},
      {.target = "/dl/", .filename = ""},
      {.target = "/get.php?file=setup.bat", .filename = ""},
      {.target = "/dl/setup.exe", .filename = "D:\\x\\evil.bat"},
      {.target = "/dl/setup.exe", .filename = "..exe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target + std::string(" ") + c.filename);
    transfer.Downloads.clear();
    download.URLDownload.LocalFileName = "earlier";
    download.Filename = c.filename;
    TLoopbackServer server({kFound});
    ASSERT_TRUE(server.Listening());
    download.SetURL(server.Url(c.target));
    EXPECT_FALSE(download.Download());
    EXPECT_EQ(download.URLDownload.Refusal, TDownloadRefusal::BadFileName);
    EXPECT_TRUE(transfer.Downloads.empty());
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(download.LocalFileName(), "earlier");
  }
}

class NxURLDownloadEventsTest : public NxURLDownloadTest {
 protected:
  NxURLDownloadEventsTest() { download.SetURL("https://host/setup.exe"); }
};

TEST_F(NxURLDownloadEventsTest, EventsComeInOrderAndAbortEndsTheTransfer) {
  transfer.Script = {{.Begins = true,
                      .Progress = {{0, 0}, {500, 1000}, {1000, 1000}},
                      .Written = "x",
                      .StopText = ""}};
  abortAt = 500;
  EXPECT_FALSE(download.Download());
  EXPECT_EQ(events, (std::vector<std::string>{
                        "start https://host/setup.exe", "progress 0/0 https://host/setup.exe",
                        "progress 500/1000 https://host/setup.exe", "stop aborted"}));
  EXPECT_EQ(transfer.ProgressAnswers, (std::vector<bool>{true, false}));
  EXPECT_TRUE(download.URLDownload.Started);
  EXPECT_EQ(download.URLDownload.ErrorText, "aborted");
}

TEST_F(NxURLDownloadEventsTest, TheResultNeedsAStartAndAStopWithoutText) {
  struct {
    const char* name;
    testing::TScriptedTransfer script;
    bool result;
  } const cases[] = {
      {.name = "clean",
       .script = {.Begins = true, .Progress = {}, .Written = "x", .StopText = ""},
       .result = true},
      {.name = "stop with a text",
       .script = {.Begins = true, .Progress = {}, .Written = "x", .StopText = "404"},
       .result = false},
      {.name = "never began",
       .script = {.Begins = false, .Progress = {}, .Written = {}, .StopText = ""},
       .result = false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    transfer.Script = {c.script};
    transfer.ProbeReplies = {{.Answered = true, .Status = 200, .Location = ""}};
    EXPECT_EQ(download.Download(), c.result);
    EXPECT_EQ(download.URLDownload.Started, c.script.Begins);
  }
}

TEST_F(NxURLDownloadEventsTest, ASecondDownloadClearsStartedFirst) {
  EXPECT_TRUE(download.Download());
  EXPECT_TRUE(download.URLDownload.Started);
  transfer.ProbeReplies = {{.Answered = false, .Status = -1, .Location = ""}};
  EXPECT_FALSE(download.Download());
  EXPECT_FALSE(download.URLDownload.Started);
}

TEST_F(NxURLDownloadEventsTest, AFilenameNamesTheFileAndTheUntrimmedOneIsUsed) {
  download.Filename = "D:\\x\\my.exe";
  EXPECT_TRUE(download.Download());
  download.Filename = "  ";
  EXPECT_TRUE(download.Download());
  ASSERT_EQ(transfer.Downloads.size(), 2u);
  EXPECT_EQ(transfer.Downloads[0].Path, InTemp("my.exe"));
  EXPECT_EQ(transfer.Downloads[1].Path, InTemp("setup.exe"));
  EXPECT_EQ(transfer.Downloads[1].Limits.Connect, 2000ms);
}

TEST_F(NxURLDownloadEventsTest, AThrowingHandlerFailsTheDownloadAndEndsTheTransfer) {
  download.SetOnStart(
      [](TCustomURLDownload&, const std::string&) { throw std::runtime_error("handler failed"); });
  transfer.Script = {
      {.Begins = true, .Progress = {{1, 2}, {2, 2}}, .Written = "x", .StopText = ""}};
  EXPECT_FALSE(download.Download());
  EXPECT_EQ(transfer.ProgressAnswers, std::vector<bool>{false});
  EXPECT_EQ(events,
            (std::vector<std::string>{"progress 1/2 https://host/setup.exe", "stop aborted"}));
}

TEST_F(NxURLDownloadEventsTest, ARedirectThePlatformFollowsMustPassTheSameRules) {
  struct {
    const char* name;
    std::vector<std::string> redirects;
    TDownloadRefusal refusal;
  } const cases[] = {
      {.name = "https to https, twice",
       .redirects = {"https://127.0.0.1/a/setup.exe", "HTTPS://127.0.0.1/b/setup.exe"},
       .refusal = TDownloadRefusal::None},
      {.name = "down to http",
       .redirects = {"http://127.0.0.1/setup.exe"},
       .refusal = TDownloadRefusal::RedirectToHttp},
      {.name = "down to http on the second hop",
       .redirects = {"https://127.0.0.1/a/setup.exe", "http://127.0.0.1/setup.exe"},
       .refusal = TDownloadRefusal::RedirectToHttp},
      {.name = "to ftp",
       .redirects = {"ftp://127.0.0.1/setup.exe"},
       .refusal = TDownloadRefusal::RedirectToOtherScheme},
      {.name = "to a local file",
       .redirects = {"file:///C:/Windows/notepad.exe"},
       .refusal = TDownloadRefusal::RedirectToOtherScheme},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    events.clear();
    transfer.Script = {{.Begins = true, .Redirects = c.redirects, .Written = "x"}};
    download.SetURL("https://host/setup.exe");
    const bool allowed = c.refusal == TDownloadRefusal::None;
    EXPECT_EQ(download.Download(), allowed);
    EXPECT_EQ(download.URLDownload.Refusal, c.refusal);
    EXPECT_EQ(events.back(), allowed ? "stop " : "stop aborted");
  }
}

TEST_F(NxURLDownloadEventsTest, ADownloadAskedForFromInsideOneIsRefused) {
  transfer.Script = {{.Begins = true, .Progress = {{1, 2}}, .Written = "x", .StopText = ""}};
  std::vector<bool> nested;
  transfer.AfterProgress = [&] {
    download.Filename = "other.exe";
    nested.push_back(download.Download());
  };
  EXPECT_TRUE(download.Download());
  EXPECT_EQ(nested, std::vector<bool>{false});
  EXPECT_EQ(transfer.Downloads.size(), 1u);
  EXPECT_EQ(transfer.Probes.size(), 1u);
  EXPECT_EQ(download.LocalFileName(), InTemp("setup.exe"));
}

}  // namespace
}  // namespace porvan
