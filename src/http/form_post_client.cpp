// TFormPostClient: posts "name=value" lines as an HTTP/1.0 form and returns the reply body.
#include "http/form_post_client.h"

#include "http/form_encoding.h"
#include "http/net_status.h"
#include "http/reply.h"
#include "http/reply_head.h"
#include "http/reply_reader.h"
#include "http/request_head.h"
#include "http/url_parts.h"

namespace porvan {

namespace {

void StoreCookies(const TReplyHead& head, const TUrlParts& url, TCookieStore& cookies) {
  const auto now = std::chrono::system_clock::now();
  for (const std::string& value : head.FindAll("Set-Cookie")) {
    cookies.StoreSetCookie(value, url.Host, url.Path, now);
  }
  for (const std::string& value : head.FindAll("Set-Cookie2")) {
    cookies.StoreSetCookie2(value, url.Host, url.Path, now);
  }
}

}  // namespace

TPostResult TFormPostClient::PostForm(const std::string& url, const std::vector<TFormLine>& lines) {
  kept_.reset();
  TPostResult result;
  const TSplitUrl split = SplitUrl(url);
  if (split.Status != TUrlStatus::Ok) {
    result.Status = TExchangeStatus::BadUrl;
    return result;
  }
  const TUrlParts& parts = split.Parts;
  const std::string body = BuildFormBody(lines);
  cookies_.DropExpired(std::chrono::system_clock::now());
  const std::string head =
      BuildPostHead(parts, body.size(), UserAgent,
                    cookies_.CookieHeader(parts.Host, parts.Path + parts.Document));

  TConnectResult connection =
      sockets_.Connect(parts.ConnectHost(), parts.ConnectPort(), ConnectTimeLimit);
  if (connection.Status != TNetStatus::Ok) {
    result.Status = ConnectFailure(connection.Status);
    return result;
  }
  const TExchangeDeadline deadline(Clock, ExchangeTimeLimit);
  if (parts.Secure()) {
    connection = sockets_.StartTls(std::move(connection.Socket), parts.ConnectHost(),
                                   deadline.Cut(ExchangeTimeLimit));
    if (connection.Status != TNetStatus::Ok) {
      result.Status = TlsFailure(connection.Status);
      result.Tls = connection.Tls;
      return result;
    }
  }
  ISocket& socket = *connection.Socket;
  // The head goes in one send and the body in a second one.
  for (const std::string* part : {&head, &body}) {
    if (part->empty()) {
      continue;
    }
    const TNetStatus sent = socket.SendAll(*part, deadline.Cut(SilenceTimeLimit));
    if (sent != TNetStatus::Ok) {
      result.Status = SendFailure(sent);
      return result;
    }
  }

  TReplyReader reader(socket, SilenceTimeLimit, &deadline);
  TReply reply;
  result.Status = ReceiveReply(reader, ErrorBodyWait, reply);
  if (!reply.HeadComplete) {
    return result;
  }
  result.HttpStatus = reply.Head.Status;
  StoreCookies(reply.Head, parts, cookies_);
  if (result.Ok()) {
    result.Body = std::move(reply.Body);
  }
  const bool replyHandled = result.Ok() || result.Status == TExchangeStatus::Redirect ||
                            result.Status == TExchangeStatus::HttpError;
  if (replyHandled && !reader.PeerClosed() && AsksKeepAlive(reply.Head)) {
    kept_ = std::move(connection.Socket);
  }
  return result;
}

}  // namespace porvan
