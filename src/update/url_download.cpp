// TNxURLDownload and TCustomURLDownload: fetch one file after following redirects, with events.
#include "update/url_download.h"

#include "common/text_bytes.h"
#include "update/installer_name.h"
#include "update/local_path.h"
#include "update/redirect_probe.h"
#include "update/url_scheme.h"

namespace porvan {

namespace {

TDownloadRefusal RefusalOf(TRedirectVerdict verdict) {
  switch (verdict) {
    case TRedirectVerdict::Allowed:
      break;
    case TRedirectVerdict::OtherScheme:
      return TDownloadRefusal::RedirectToOtherScheme;
    case TRedirectVerdict::Downgrade:
      return TDownloadRefusal::RedirectToHttp;
  }
  return TDownloadRefusal::None;
}

TResolveResult Refused(TDownloadRefusal refusal) {
  TResolveResult result;
  result.Status = TResolveStatus::Refused;
  result.Refusal = refusal;
  return result;
}

}  // namespace

TResolveResult TCustomURLDownload::ResolveRedirects(const std::string& URL) const {
  if (!IsFetchableUrl(URL)) {
    return Refused(TDownloadRefusal::NotHttp);
  }
  TResolveResult result;
  std::string current = URL;
  for (int hop = 0;; ++hop) {
    const TProbeResult probe = ProbeURL(current, sockets_, transfer_, Limits, Clock);
    if (!probe.Answered()) {
      result.Status = TResolveStatus::ProbeFailed;
      result.ProbeStatus = probe.Status;
      result.HttpStatus = probe.HttpStatus;
      return result;
    }
    if (probe.Location.empty()) {
      result.URL = current;
      return result;
    }
    if (hop == kMaxRedirectHops) {
      result.Status = TResolveStatus::TooManyRedirects;
      return result;
    }
    if (const TDownloadRefusal refusal = RefusalOf(JudgeRedirect(current, probe.Location));
        refusal != TDownloadRefusal::None) {
      return Refused(refusal);
    }
    current = RedirectTarget(current, probe.Location);
  }
}

bool TCustomURLDownload::DownloadToDir(const TPath& SaveDir, const std::string& Filename) {
  // A handler that runs while the transfer handles window messages may ask for another
  // download; a nested one would rewrite this one's state and its file under it.
  if (running_) {
    return false;
  }
  running_ = true;
  const struct TRunningReset {
    bool& running;
    ~TRunningReset() { running = false; }
  } reset{running_};
  Started = false;
  handlerFailed_ = false;
  Refusal = TDownloadRefusal::None;
  TResolveResult resolved;
  waits_.Run([&] { resolved = ResolveRedirects(URL); });
  if (resolved.Status != TResolveStatus::Ok) {
    Refusal = resolved.Refusal;
    return false;
  }
  URL = resolved.URL;
  if (!IsInstallerFileName(DownloadFileName(Filename, URL), InstallerExtensions)) {
    Refusal = TDownloadRefusal::BadFileName;
    return false;
  }
  LocalFileName = LocalDownloadPath(SaveDir, Filename, URL);
  transferURL_ = URL;
  transfer_.Download(URL, LocalFileName, *this, Limits);
  return Started && ErrorText.empty() && !handlerFailed_;
}

template <typename Handler, typename... Args>
void TCustomURLDownload::Fire(const Handler& handler, Args&&... args) {
  if (!handler) {
    return;
  }
  try {
    handler(*this, std::forward<Args>(args)...);
  } catch (...) {
    handlerFailed_ = true;
  }
}

void TCustomURLDownload::OnStartBinding() {
  Started = true;
  Fire(OnStart, URL);
}

bool TCustomURLDownload::OnProgress(std::uint32_t progress, std::uint32_t progressMax,
                                    const std::string& statusText) {
  bool abort = false;
  Fire(OnProgressStatus, progressMax, progress, statusText, abort);
  return !abort && !handlerFailed_;
}

void TCustomURLDownload::OnStopBinding(const std::string& errorText) {
  ErrorText = errorText;
  Fire(OnStop);
}

bool TCustomURLDownload::OnRedirect(const std::string& url) {
  Refusal = RefusalOf(JudgeRedirect(transferURL_, url));
  if (Refusal != TDownloadRefusal::None) {
    return false;
  }
  transferURL_ = url;
  return true;
}

bool TNxURLDownload::Download() {
  if (!TrimBlanks(Filename).empty()) {
    return URLDownload.DownloadToDir(SaveDir, Filename);
  }
  return URLDownload.DownloadToDir(SaveDir);
}

}  // namespace porvan
