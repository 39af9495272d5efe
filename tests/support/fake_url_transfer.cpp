// Fakes of the download seams: a scripted transfer that records its calls, a temporary folder.
#include "support/fake_url_transfer.h"

#include "common/path_text.h"
#include "support/fake_platform.h"

namespace porvan::testing {

void FakeUrlTransfer::Download(const std::string& url, const TPath& filePath,
                               IUrlTransferEvents& events, const TTransferLimits& limits) {
  const std::string path = PathToUtf8(filePath);
  Downloads.push_back({url, path, limits});
  TScriptedTransfer transfer;
  if (!Script.empty()) {
    transfer = std::move(Script.front());
    Script.pop_front();
  }
  if (!transfer.Begins) {
    return;
  }
  events.OnStartBinding();
  for (const std::string& redirect : transfer.Redirects) {
    if (!events.OnRedirect(redirect)) {
      events.OnStopBinding("aborted");
      return;
    }
  }
  for (const auto& [position, max] : transfer.Progress) {
    const bool goOn = events.OnProgress(position, max, url);
    ProgressAnswers.push_back(goOn);
    if (AfterProgress) {
      AfterProgress();
    }
    if (!goOn) {
      events.OnStopBinding("aborted");
      return;
    }
  }
  if (transfer.Written && files_ != nullptr) {
    files_->Files[path] = *transfer.Written;
  }
  events.OnStopBinding(transfer.StopText);
}

TSecureProbeReply FakeUrlTransfer::ProbeSecure(const std::string& url, const std::string& referer,
                                               const TTransferLimits& /*limits*/) {
  Probes.push_back({url, referer});
  if (ProbeReplies.empty()) {
    return {.Answered = true, .Status = 200, .Location = ""};
  }
  TSecureProbeReply reply = std::move(ProbeReplies.front());
  ProbeReplies.pop_front();
  return reply;
}

}  // namespace porvan::testing
