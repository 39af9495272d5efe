// A run of the program in a test: fake seams, the global SysVar and a loopback server.
#include "support/server_session.h"

#include "settings/run_state.h"

namespace porvan::testing {

std::string HttpReply(const std::string& body) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

TServerSession::TServerSession(std::vector<TServerTurn> turns) : Server(std::move(turns)) {
  Fake.Files.Files[Fake.SettingsPath()] = "[config]\r\nFTPPath=" + kFtpProgram +
                                          "\r\nSSHPath=" + kSshProgram +
                                          "\r\nServerURL=" + Server.Url("/porvan.php") + "\r\n";
  Fake.Files.Files[kFtpProgram] = "MZ";
  Fake.Files.Files[kSshProgram] = "MZ";
  SysVar = std::make_unique<TSysVar>(Fake.Platform);
}

TServerSession::~TServerSession() {
  SysVar.reset();
}

std::vector<std::string> TServerSession::Bodies() const {
  std::vector<std::string> bodies;
  for (const std::string& request : Server.Requests()) {
    const std::size_t headEnd = request.find("\r\n\r\n");
    bodies.push_back(headEnd == std::string::npos ? request : request.substr(headEnd + 4));
  }
  return bodies;
}

}  // namespace porvan::testing
