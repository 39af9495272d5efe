// One HEAD probe of the download component, and the rule that joins a redirect to its URL.
#include "update/redirect_probe.h"

#include "common/text_bytes.h"
#include "http/net_status.h"
#include "http/reply_head.h"
#include "http/reply_reader.h"
#include "update/url_text.h"

namespace porvan {

namespace {

TProbeResult Judge(const TReplyHead& head) {
  TProbeResult result;
  result.HttpStatus = head.Status;
  switch (JudgeReply(head)) {
    case TReplyKind::Success:
      break;
    case TReplyKind::Redirect:
      result.Status = TExchangeStatus::Redirect;
      result.Location = head.Find("Location").value_or("");
      break;
    case TReplyKind::Failure:
      result.Status = TExchangeStatus::HttpError;
      break;
  }
  return result;
}

TProbeResult Failed(TExchangeStatus status) {
  TProbeResult result;
  result.Status = status;
  return result;
}

TProbeResult ProbePlain(const TUrlParts& parts, const std::string& referer, ISocketFactory& sockets,
                        const TTransferLimits& limits, const TClockNow& clock) {
  TConnectResult connection =
      sockets.Connect(parts.ConnectHost(), parts.ConnectPort(), limits.Connect);
  if (connection.Status != TNetStatus::Ok) {
    return Failed(ConnectFailure(connection.Status));
  }
  ISocket& socket = *connection.Socket;
  const TExchangeDeadline deadline(clock, limits.Probe);
  const TNetStatus sent =
      socket.SendAll(BuildProbeHead(parts, referer), deadline.Cut(limits.Silence));
  if (sent != TNetStatus::Ok) {
    return Failed(SendFailure(sent));
  }
  TReplyReader reader(socket, limits.Silence, &deadline);
  TReplyHead head;
  if (const TExchangeStatus read = ReadReplyHead(reader, head); read != TExchangeStatus::Ok) {
    return Failed(read);
  }
  return Judge(head);
}

TProbeResult ProbeSecure(const std::string& url, const std::string& referer, IUrlTransfer& transfer,
                         const TTransferLimits& limits) {
  const TSecureProbeReply reply = transfer.ProbeSecure(url, referer, limits);
  if (!reply.Answered) {
    // The platform's client does not say why; to the download it is all one failure.
    return Failed(TExchangeStatus::ConnectFailed);
  }
  TReplyHead head;
  head.Status = reply.Status;
  if (!reply.Location.empty()) {
    head.Headers.emplace_back("Location", reply.Location);
  }
  return Judge(head);
}

}  // namespace

std::string BuildProbeHead(const TUrlParts& url, const std::string& referer) {
  std::string head = "HEAD " + url.Target() + " HTTP/1.1\r\n";
  head += "Host: " + url.HostHeader() + "\r\n";
  head += "Referer: " + referer + "\r\n";
  head += "Accept: */*\r\n";
  head += "Connection: close\r\n";
  head += "\r\n";
  return head;
}

TProbeResult ProbeURL(const std::string& url, ISocketFactory& sockets, IUrlTransfer& transfer,
                      const TTransferLimits& limits, const TClockNow& clock) {
  const std::string referer = GetURLRoot(url);
  const TSplitUrl split = SplitUrl(url);
  switch (split.Status) {
    case TUrlStatus::Ok:
      // The platform's transfer checks certificates and follows the download's own redirects.
      return split.Parts.Secure() ? ProbeSecure(url, referer, transfer, limits)
                                  : ProbePlain(split.Parts, referer, sockets, limits, clock);
    default:
      return Failed(TExchangeStatus::BadUrl);
  }
}

std::string RedirectTarget(const std::string& url, const std::string& location) {
  const std::string_view view(location);
  if (EqualsNoCase(view.substr(0, 7), "http://") || EqualsNoCase(view.substr(0, 8), "https://")) {
    return location;
  }
  const std::string_view relative =
      location.starts_with('/') ? std::string_view(location).substr(1) : location;
  return GetURLDir(url) + std::string(relative);
}

}  // namespace porvan
