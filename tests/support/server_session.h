// A run of the program in a test: fake seams, the global SysVar, and a loopback server that
// SysVar's ServerURL points at.
#pragma once

#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/loopback_server.h"

namespace porvan::testing {

// The client programs the settings name; both exist in the fake file system.
inline const std::string kFtpProgram = "C:\\Clients\\ftp.exe";
inline const std::string kSshProgram = "C:\\Clients\\ssh.exe";

// A server reply with a body and nothing else of note.
std::string HttpReply(const std::string& body);

class TServerSession {
 public:
  explicit TServerSession(std::vector<TServerTurn> turns);
  ~TServerSession();
  TServerSession(const TServerSession&) = delete;
  TServerSession& operator=(const TServerSession&) = delete;

  // The form bodies of the requests received so far, in order.
  std::vector<std::string> Bodies() const;

  TFakePlatform Fake;
  TLoopbackServer Server;
};

}  // namespace porvan::testing
