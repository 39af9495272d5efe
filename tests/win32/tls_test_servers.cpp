// The loopback TLS test servers that ./dev starts for the Windows tests.
#include "win32/tls_test_servers.h"

#include <cstdlib>

#include "support/tls_server_ports.h"
#include "win32/wine_support.h"

namespace porvan::testing {

TTlsTestServers::TTlsTestServers() {
  if (const wchar_t* dir = _wgetenv(L"PORVAN_TLS_DIR")) {
    ports_ = ReadWholeFile(std::wstring(dir) + L"\\ports.json");
  }
}

std::string TTlsTestServers::Port(const std::string& kind) const {
  return TlsServerPort(ports_, kind);
}

}  // namespace porvan::testing
