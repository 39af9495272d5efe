// The loopback TLS test servers that ./dev starts for the Windows tests. ./dev also trusts their
// test CA in this prefix's current-user "Root" store for the run, from a process of its own:
// Wine's chain engine reads that store once per process, so a CA added by the test process
// itself would not count.
#pragma once

#include <string>

namespace porvan::testing {

class TTlsTestServers {
 public:
  // Reads the ports from ports.json in the folder PORVAN_TLS_DIR names.
  TTlsTestServers();

  bool Available() const { return !ports_.empty(); }
  // The port of one kind of server ("good", "wrongname", ...) as text; "0" when unknown.
  std::string Port(const std::string& kind) const;

 private:
  std::string ports_;  // the JSON line {"good": 40123, ...}
};

}  // namespace porvan::testing
