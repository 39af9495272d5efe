// Transfers that every platform's transfer seam must judge alike, and a recorder of notifications.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/url_transfer.h"
#include "support/loopback_server.h"

namespace porvan::testing {

// Logs "start", "progress" (once, however many came), "redirect <url>" and "stop <text>";
// answers false to a progress notification from `AbortAt` bytes on, and to a redirect when
// `RefuseRedirects`. `OnStop` runs at the stop, while the
// platform is still inside the transfer (the update alert starts the installer there).
class TRecordingEvents : public IUrlTransferEvents {
 public:
  std::vector<std::string> Log;
  std::uint32_t AbortAt = std::numeric_limits<std::uint32_t>::max();
  std::uint32_t LastPosition = 0;
  std::uint32_t LastMax = 0;
  int Progresses = 0;
  bool PositionWentBack = false;
  bool RefuseRedirects = false;
  std::function<void()> OnStop;

  void OnStartBinding() override;
  bool OnProgress(std::uint32_t progress, std::uint32_t progressMax,
                  const std::string& statusText) override;
  void OnStopBinding(const std::string& errorText) override;
  bool OnRedirect(const std::string& url) override;
};

// "0,1,2,..." up to `size` bytes: content that shows where a copy went wrong.
std::string NumberedBody(std::size_t size);

// A 200 reply with a Content-Length and `body`.
std::string OkReply(const std::string& body);

struct TTransferFailureCase {
  const char* Name;
  TServerTurn Turn;
  bool Abort;              // the progress notification asks to end the transfer
  bool NeedsSilenceLimit;  // ends only by the seam's silence limit
};

// A 404 with an error page, a close before any reply, a body cut short, an abort, silence.
std::vector<TTransferFailureCase> TransferFailureCases();

// TNxURLDownload over the system's sockets and `transfer`, from a loopback server that answers
// the first probe with a relative redirect: checks that it succeeds and that the events name
// the final URL, and gives the local path. The file there should hold "MZ installer".
TPath DownloadThroughTheComponent(IUrlTransfer& transfer, const TPath& saveDir);

}  // namespace porvan::testing
