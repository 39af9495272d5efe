// The transfer seam: fetches one URL into a file with start, progress and stop notifications,
// and probes an https URL with the platform's own secure client.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "platform/path.h"

namespace porvan {

// Contract
// - Everything runs on the caller's thread. Download blocks until the transfer has ended and
//   calls the notifications from inside the call; the seam keeps no reference to `events`
//   after it returns, whatever the platform itself still holds.
// - A transfer that begins notifies OnStartBinding once, then OnProgress any number of times,
//   then OnStopBinding once. One that cannot begin at all (a URL the platform refuses)
//   notifies nothing.
// - The stop's error text is empty only when a reply with a status of 200-299 arrived whole and
//   the file holds it; every other end gives a text (see TransferStopText). On a failure the
//   file at the path may hold anything (Windows replaces it with what arrived), so callers
//   judge the transfer by the text, never by the file.
// - OnProgress answering false asks the platform to end the transfer; the stop still follows.
// - A platform that follows a redirect by itself (the URL Moniker does; libcurl is not asked
//   to) calls OnRedirect with the new URL before it asks there; false ends the transfer as an
//   abort does.
// - After each progress notification has returned, the window messages waiting on this thread
//   are handled, so windows repaint and take input while the transfer runs. Such input may
//   call back into the caller; refusing a nested transfer is the caller's business.
// - `progress` and `progressMax` are bytes, held at 4,294,967,295 when larger; `progressMax`
//   is 0 while the size is not known. Texts (URL, status and error texts) are CP949.
// - Every wait on the network is bounded by the limits where the platform lets them be set
//   (libcurl: both; the Windows transfer keeps the system's own limits).

class IUrlTransferEvents {
 public:
  virtual ~IUrlTransferEvents() = default;
  virtual void OnStartBinding() = 0;
  // False asks the platform to end the transfer.
  virtual bool OnProgress(std::uint32_t progress, std::uint32_t progressMax,
                          const std::string& statusText) = 0;
  virtual void OnStopBinding(const std::string& errorText) = 0;
  // False ends the transfer instead of following the redirect to `url`.
  virtual bool OnRedirect(const std::string& url) = 0;
};

struct TTransferLimits {
  std::chrono::milliseconds Connect{30000};
  std::chrono::milliseconds Silence{60000};  // the longest wait for a byte
  // The longest a probe may take after its connection is made; the transfer has no such bound.
  std::chrono::milliseconds Probe{60000};
};

// One HEAD request's answer. Redirects are never followed by the platform.
struct TSecureProbeReply {
  bool Answered = false;  // a whole reply head arrived
  int Status = -1;
  std::string Location;  // as the server sent it; empty when there is none
};

class IUrlTransfer {
 public:
  virtual ~IUrlTransfer() = default;

  // Fetches `url` (http or https, certificates checked) into the file at `path`.
  virtual void Download(const std::string& url, const TPath& path, IUrlTransferEvents& events,
                        const TTransferLimits& limits) = 0;

  // Sends "HEAD" for an https `url` with the header "Referer: `referer`" and no body, checking
  // the server's certificate; no reply body is read.
  virtual TSecureProbeReply ProbeSecure(const std::string& url, const std::string& referer,
                                        const TTransferLimits& limits) = 0;
};

}  // namespace porvan
