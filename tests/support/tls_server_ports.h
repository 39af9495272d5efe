// The ports of tools/tlsserver/tls_server.py, read from the JSON line it writes.
#pragma once

#include <string>

namespace porvan::testing {

// The port of one kind of server ("good", "wrongname", ...) in {"good": 40123, ...}; "0" when
// the line does not name it.
inline std::string TlsServerPort(const std::string& ports, const std::string& kind) {
  const std::string key = "\"" + kind + "\": ";
  const std::size_t at = ports.find(key);
  if (at == std::string::npos) {
    return "0";
  }
  const std::size_t start = at + key.size();
  return ports.substr(start, ports.find_first_not_of("0123456789", start) - start);
}

}  // namespace porvan::testing
