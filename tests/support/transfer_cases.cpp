// Transfers that every platform's transfer seam must judge alike, and a recorder of notifications.
#include "support/transfer_cases.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/system_seams.h"
#include "support/thread_gui_wait.h"
#include "update/url_download.h"

namespace porvan::testing {

void TRecordingEvents::OnStartBinding() {
  Log.push_back("start");
}

bool TRecordingEvents::OnProgress(std::uint32_t progress, std::uint32_t progressMax,
                                  const std::string& /*statusText*/) {
  if (Progresses++ == 0) {
    Log.push_back("progress");
  }
  PositionWentBack = PositionWentBack || progress < LastPosition;
  LastPosition = progress;
  LastMax = progressMax;
  return progress < AbortAt;
}

void TRecordingEvents::OnStopBinding(const std::string& errorText) {
  Log.push_back("stop " + errorText);
  if (OnStop) {
    OnStop();
  }
}

bool TRecordingEvents::OnRedirect(const std::string& url) {
  Log.push_back("redirect " + url);
  return !RefuseRedirects;
}

std::string NumberedBody(std::size_t size) {
  std::string body;
  body.reserve(size + 16);
  for (int i = 0; body.size() < size; ++i) {
    body += std::to_string(i);
    body += ',';
  }
  body.resize(size);
  return body;
}

std::string OkReply(const std::string& body) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::vector<TTransferFailureCase> TransferFailureCases() {
  return {
      {.Name = "404 with an error page",
       .Turn = {.Reply = "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot here!",
                .Act = TServerAct::Answer},
       .Abort = false,
       .NeedsSilenceLimit = false},
      {.Name = "closed before a reply",
       .Turn = {.Reply = "", .Act = TServerAct::CloseUnanswered},
       .Abort = false,
       .NeedsSilenceLimit = false},
      {.Name = "body cut short",
       .Turn = {.Reply = "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npart",
                .Act = TServerAct::Answer},
       .Abort = false,
       .NeedsSilenceLimit = false},
      {.Name = "aborted by progress",
       .Turn = {.Reply = OkReply(NumberedBody(3'000'000)), .Act = TServerAct::Answer},
       .Abort = true,
       .NeedsSilenceLimit = false},
      {.Name = "silent server",
       .Turn = {.Reply = "", .Act = TServerAct::StaySilent},
       .Abort = false,
       .NeedsSilenceLimit = true},
  };
}

TPath DownloadThroughTheComponent(IUrlTransfer& transfer, const TPath& saveDir) {
  TLoopbackServer server({{.Reply = "HTTP/1.1 302 Found\r\nLocation: files/setup.exe\r\n\r\n",
                           .Act = TServerAct::Answer},
                          {.Reply = "HTTP/1.1 200 OK\r\n\r\n", .Act = TServerAct::Answer},
                          {.Reply = OkReply("MZ installer"), .Act = TServerAct::Answer}});
  EXPECT_TRUE(server.Listening());
  const std::unique_ptr<ISocketFactory> sockets = std::make_unique<TSystemSocketFactory>();
  TThreadGuiWait waits;
  TNxURLDownload download(*sockets, transfer, waits);
  download.SaveDir = saveDir;
  download.SetURL(server.Url("/dl/get.php?id=7"));
  std::vector<std::string> log;
  download.SetOnStart([&](TCustomURLDownload&, const std::string& url) { log.push_back(url); });
  download.SetOnStop(
      [&](TCustomURLDownload& sender) { log.push_back("stop " + sender.ErrorText); });
  EXPECT_TRUE(download.Download());
  EXPECT_EQ(log, (std::vector<std::string>{server.Url("/dl/files/setup.exe"), "stop "}));
  return download.LocalFileName();
}

}  // namespace porvan::testing
