// One HEAD probe of the download component, and the rule that joins a redirect to its URL.
#pragma once

#include <string>

#include "http/exchange_deadline.h"
#include "http/exchange_status.h"
#include "http/url_parts.h"
#include "platform/socket.h"
#include "platform/url_transfer.h"

namespace porvan {

struct TProbeResult {
  // Ok for a 2xx reply without "Location", Redirect, or why the probe failed.
  TExchangeStatus Status = TExchangeStatus::Ok;
  int HttpStatus = -1;   // -1 when no reply head arrived
  std::string Location;  // a redirect's "Location" as the server sent it; may be empty

  bool Answered() const {
    return Status == TExchangeStatus::Ok || Status == TExchangeStatus::Redirect;
  }
};

// "HEAD <target> HTTP/1.1" with Host, Referer, Accept and "Connection: close", ended by CR LF
// each, then an empty line. No user agent: the probe names no program.
std::string BuildProbeHead(const TUrlParts& url, const std::string& referer);

// Probes `url` on a connection of its own, with "Referer" GetURLRoot(url); redirects are not
// followed and no reply body is read. http goes over `sockets`, so every byte is the program's
// own, and ends by limits.Probe after the connect as `clock` tells; https goes through the
// platform's secure client, which checks the certificate.
TProbeResult ProbeURL(const std::string& url, ISocketFactory& sockets, IUrlTransfer& transfer,
                      const TTransferLimits& limits, const TClockNow& clock);

// The URL a redirect leads to: a location that starts with "http://" or "https://" (in any
// case) as it stands; any other joined to GetURLDir(url) after one leading "/" is dropped, so
// "/files/s.exe" from http://host/dl/setup.exe gives http://host/dl/files/s.exe.
std::string RedirectTarget(const std::string& url, const std::string& location);

}  // namespace porvan
