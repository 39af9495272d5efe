// TRemoteServerCon: the client of the access-control server script, its five request kinds.
#pragma once

#include <string>
#include <vector>

#include "http/form_post_client.h"
#include "server/version_check.h"

namespace porvan {

class IMessageBox;
class IGuiWait;

class TRemoteServerCon {
 public:
  // Every request goes to `serverURL` and waits for its reply through `waits`; a refused open is
  // shown through `messages`.
  TRemoteServerCon(ISocketFactory& sockets, IMessageBox& messages, IGuiWait& waits,
                   std::string serverURL);

  // The reply body, or empty text when the exchange failed; a non-empty body becomes LastReply.
  // The exchange runs off the GUI thread; everything else here runs on it. The first TLS failure
  // of the run is shown in a notice that names its reason.
  std::string PostRequest(const std::vector<TFormLine>& lines);

  // The client's address as the server sees it: the whole reply, unchanged.
  std::string GetClientIP();

  // Mode "open_request" or "close_request", protocol "FTP" or "SSH"; true when the server's first
  // field is exactly "SUCCESS".
  bool AccessRequest(const std::string& domain, const std::string& protocol,
                     const std::string& mode);
  // On false these show LastMessage in the plain notice.
  bool OpenFTP(const std::string& domain);
  bool OpenSSH(const std::string& domain);
  // These show nothing.
  bool CloseFTP(const std::string& domain);
  bool CloseSSH(const std::string& domain);

  // UpdateAvailable sets UpdateURL; Current and NoAnswer leave it as it was.
  TVersionCheck CheckVersion(const std::string& version);

  // False sets LastMessage from the server's reason; true leaves it as it was.
  bool IsValidDomain(const std::string& domain);

  TFormPostClient HttpClient;
  std::string ServerURL;
  bool LastSucceeded = false;
  std::string LastMessage;  // the server's message, "_" turned into blanks
  std::string AccessField3;
  std::string AccessField4;
  std::string UpdateURL;
  std::string LastReply;

 private:
  bool OpenAccess(const std::string& domain, const std::string& protocol);

  ISocketFactory& sockets_;
  IMessageBox& messages_;
  IGuiWait& waits_;
};

}  // namespace porvan
