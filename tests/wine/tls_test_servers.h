// The loopback TLS test servers that ./dev starts for the Windows tests, and their test CA,
// trusted by this prefix's current user only while a test suite runs.
#pragma once

#include <windows.h>

#include <wincrypt.h>

#include <string>

namespace porvan::testing {

class TTlsTestServers {
 public:
  // Reads the ports and the CA from the folder PORVAN_TLS_DIR names and adds the CA to the
  // current user's "Root" store; Available() is false without them.
  TTlsTestServers();
  // Takes the CA out of the store again.
  ~TTlsTestServers();
  TTlsTestServers(const TTlsTestServers&) = delete;
  TTlsTestServers& operator=(const TTlsTestServers&) = delete;

  bool Available() const { return trusted_ != nullptr && !ports_.empty(); }
  // The port of one kind of server ("good", "wrongname", ...) as text; "0" when unknown.
  std::string Port(const std::string& kind) const;

 private:
  std::string ports_;  // the JSON line {"good": 40123, ...}
  PCCERT_CONTEXT trusted_ = nullptr;
};

}  // namespace porvan::testing
