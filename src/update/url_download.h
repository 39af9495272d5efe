// TNxURLDownload and TCustomURLDownload: fetch one file after following redirects, with events.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "http/exchange_deadline.h"
#include "http/exchange_status.h"
#include "platform/desktop_conventions.h"
#include "platform/gui_wait.h"
#include "platform/socket.h"
#include "platform/url_transfer.h"

namespace porvan {

class TCustomURLDownload;

// Handlers bound to an object; an unset one is skipped. Sender is always the
// TCustomURLDownload, not the component.
using TOnStartEvent = std::function<void(TCustomURLDownload& Sender, const std::string& URL)>;
using TOnStopEvent = std::function<void(TCustomURLDownload& Sender)>;
using TOnProgressEvent =
    std::function<void(TCustomURLDownload& Sender, std::uint32_t Max, std::uint32_t Position,
                       const std::string& StatusText, bool& Abort)>;

// A redirect chain longer than this is taken for a loop and ends the download.
inline constexpr int kMaxRedirectHops = 10;

// Why a download refused to go on. A failed probe or transfer is no refusal: it ends the
// download without a word, as a server that is down always did.
enum class TDownloadRefusal {
  None,
  NotHttp,                // the URL is neither http nor https
  RedirectToOtherScheme,  // a redirect, a probe's or the platform's own, to another scheme
  RedirectToHttp,         // a redirect from https down to plain http
  BadFileName,            // the name to save under is no plain installer file name
};

enum class TResolveStatus { Ok, ProbeFailed, TooManyRedirects, Refused };

struct TResolveResult {
  TResolveStatus Status = TResolveStatus::Ok;
  std::string URL;                                    // the final URL when Ok
  TDownloadRefusal Refusal = TDownloadRefusal::None;  // why, for Refused
  // The failing probe's end and status, for ProbeFailed.
  TExchangeStatus ProbeStatus = TExchangeStatus::Ok;
  int HttpStatus = -1;
};

// The state of one transfer and the receiver of the platform's notifications. The platform's
// callback object only points at it, so nothing the platform holds can end its life; it lives
// as long as its component.
class TCustomURLDownload final : public IUrlTransferEvents {
 public:
  // The redirect probes wait through `waits`, off the GUI thread; the transfer pumps messages
  // of its own.
  TCustomURLDownload(ISocketFactory& sockets, IUrlTransfer& transfer, IGuiWait& waits)
      : sockets_(sockets), transfer_(transfer), waits_(waits) {}
  TCustomURLDownload(const TCustomURLDownload&) = delete;
  TCustomURLDownload& operator=(const TCustomURLDownload&) = delete;

  std::string URL;  // replaced by the resolved URL when the probes succeed
  TOnStartEvent OnStart;
  TOnStopEvent OnStop;
  TOnProgressEvent OnProgressStatus;
  TPath LocalFileName;    // set just before the transfer begins
  bool Started = false;   // cleared when a download begins, set by the start notification
  std::string ErrorText;  // of the last stop notification
  TDownloadRefusal Refusal = TDownloadRefusal::None;  // of the last download
  // The endings the saved file's name may have: the desktop's installer files.
  std::vector<std::string> InstallerExtensions = TDesktopConventions{}.InstallerExtensions;

  // Bounds of each probe and of the transfer's waits; members so tests can shorten them.
  TTransferLimits Limits;
  TClockNow Clock = std::chrono::steady_clock::now;  // what the probes' deadline reads

  // Follows "Location" replies with a fresh HEAD probe per hop, at most kMaxRedirectHops. Only
  // an http or https URL is probed, and a redirect must pass JudgeRedirect.
  TResolveResult ResolveRedirects(const std::string& URL) const;

  // Resolves URL, saves to LocalDownloadPath(SaveDir, Filename, URL) and gives true when the
  // transfer started and stopped without an error text and no handler failed. A name that is no
  // installer's file name is refused before anything is written, and a redirect the platform
  // follows by itself ends the transfer unless JudgeRedirect allows it. A call made while a
  // download of this object runs changes nothing and gives false.
  bool DownloadToDir(const TPath& SaveDir, const std::string& Filename);
  bool DownloadToDir(const TPath& SaveDir) { return DownloadToDir(SaveDir, std::string()); }

  // The platform's notifications. A handler's exception stops here: it must not unwind
  // through the platform's frames. It fails the download and ends the transfer.
  void OnStartBinding() override;
  bool OnProgress(std::uint32_t progress, std::uint32_t progressMax,
                  const std::string& statusText) override;
  void OnStopBinding(const std::string& errorText) override;
  bool OnRedirect(const std::string& url) override;

  // True from the start of DownloadToDir until it returns.
  bool Running() const { return running_; }

 private:
  template <typename Handler, typename... Args>
  void Fire(const Handler& handler, Args&&... args);

  ISocketFactory& sockets_;
  IUrlTransfer& transfer_;
  IGuiWait& waits_;
  bool handlerFailed_ = false;
  bool running_ = false;
  std::string transferURL_;  // where the running transfer is, after the platform's redirects
};

// The component callers use: where to save, under which name, and the one operation.
class TNxURLDownload {
 public:
  TNxURLDownload(ISocketFactory& sockets, IUrlTransfer& transfer, IGuiWait& waits)
      : URLDownload(sockets, transfer, waits) {}

  TCustomURLDownload URLDownload;
  TPath SaveDir;
  std::string Filename;  // CP949; may be empty: the name then comes from the resolved URL

  const std::string& URL() const { return URLDownload.URL; }
  void SetURL(const std::string& value) { URLDownload.URL = value; }
  const TPath& LocalFileName() const { return URLDownload.LocalFileName; }
  void SetOnStart(TOnStartEvent handler) { URLDownload.OnStart = std::move(handler); }
  void SetOnStop(TOnStopEvent handler) { URLDownload.OnStop = std::move(handler); }
  void SetOnProgressStatus(TOnProgressEvent handler) {
    URLDownload.OnProgressStatus = std::move(handler);
  }

  // Runs on the caller's thread; the events fire during the call. False when a probe failed,
  // the transfer did not start or stopped with an error text, or a handler failed.
  bool Download();
};

}  // namespace porvan
