// TRemoteServerCon: the client of the access-control server script, its five request kinds.
#include "server/remote_server_con.h"

#include <algorithm>
#include <utility>

#include "common/notice.h"
#include "platform/gui_wait.h"
#include "server/reply_fields.h"
#include "server/tls_failure_text.h"

namespace porvan {

namespace {

// The fields each reply kind is read for: status, message and two more of an access reply; the
// first two of a version or domain reply.
constexpr std::size_t kAccessFields = 4;
constexpr std::size_t kAnswerFields = 2;

// The server writes "_" where its message needs a blank, since blanks separate fields.
std::string MessageText(std::string field) {
  std::replace(field.begin(), field.end(), '_', ' ');
  return field;
}

}  // namespace

TRemoteServerCon::TRemoteServerCon(ISocketFactory& sockets, IMessageBox& messages, IGuiWait& waits,
                                   std::string serverURL)
    : HttpClient(sockets),
      ServerURL(std::move(serverURL)),
      sockets_(sockets),
      messages_(messages),
      waits_(waits) {
  HttpClient.UserAgent = "Vindra Porvan Client";
}

std::string TRemoteServerCon::PostRequest(const std::vector<TFormLine>& lines) {
  TPostResult result;
  waits_.Run([&] { result = HttpClient.PostForm(ServerURL, lines); });
  // An "offline" or a bare refusal that follows must not hide a certificate problem; the
  // failure then goes on as any failed exchange does.
  if (result.Status == TExchangeStatus::TlsFailed && sockets_.FirstTlsFailureOfRun()) {
    ShowNotice(messages_, TlsFailureText(result.Tls));
  }
  if (!result.Ok() || result.Body.empty()) {
    return {};
  }
  LastReply = result.Body;
  return std::move(result.Body);
}

std::string TRemoteServerCon::GetClientIP() {
  return PostRequest({"mode=get_client_ip"});
}

bool TRemoteServerCon::AccessRequest(const std::string& domain, const std::string& protocol,
                                     const std::string& mode) {
  const std::vector<TFormLine> lines = {
      {"mode=", mode}, {"protocol=", protocol}, {"query=", domain}};
  AccessField3.clear();
  AccessField4.clear();
  LastSucceeded = false;
  LastMessage.clear();
  const std::string reply = PostRequest(lines);
  if (reply.empty()) {
    return false;
  }
  const std::vector<std::string> fields = SplitReplyFields(reply, ':', kAccessFields);
  LastSucceeded = FieldOrEmpty(fields, 0) == "SUCCESS";
  LastMessage = MessageText(FieldOrEmpty(fields, 1));
  if (LastSucceeded) {
    AccessField3 = FieldOrEmpty(fields, 2);
    AccessField4 = FieldOrEmpty(fields, 3);
  }
  return LastSucceeded;
}

bool TRemoteServerCon::OpenAccess(const std::string& domain, const std::string& protocol) {
  const bool opened = AccessRequest(domain, protocol, "open_request");
  if (!opened) {
    ShowNotice(messages_, LastMessage);
  }
  return opened;
}

bool TRemoteServerCon::OpenFTP(const std::string& domain) {
  return OpenAccess(domain, "FTP");
}

bool TRemoteServerCon::OpenSSH(const std::string& domain) {
  return OpenAccess(domain, "SSH");
}

bool TRemoteServerCon::CloseFTP(const std::string& domain) {
  return AccessRequest(domain, "FTP", "close_request");
}

bool TRemoteServerCon::CloseSSH(const std::string& domain) {
  return AccessRequest(domain, "SSH", "close_request");
}

TVersionCheck TRemoteServerCon::CheckVersion(const std::string& version) {
  const std::string reply = PostRequest({{"mode=check_version&version=", version}});
  if (reply == "OK") {
    return TVersionCheck::Current;
  }
  const std::string url = FieldOrEmpty(SplitReplyFields(reply, '|', kAnswerFields), 1);
  if (url.empty()) {
    return TVersionCheck::NoAnswer;
  }
  UpdateURL = url;
  return TVersionCheck::UpdateAvailable;
}

bool TRemoteServerCon::IsValidDomain(const std::string& domain) {
  const std::string reply = PostRequest({{"mode=is_valid_domain&domain=", domain}});
  if (reply == "OK") {
    return true;
  }
  LastMessage = MessageText(FieldOrEmpty(SplitReplyFields(reply, ':', kAnswerFields), 1));
  return false;
}

}  // namespace porvan
