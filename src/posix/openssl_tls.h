// The TLS client session on POSIX systems: OpenSSL over any connected socket of the seam.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/socket.h"

namespace porvan {

// Where the certificate chain must end. An empty file name means the system's trusted roots;
// a file name means the roots in that PEM file instead (a test's own CA). Checking itself is
// never optional: a file that cannot be read trusts nothing.
struct TTrustedRoots {
  std::string PemFile;
};

// Handshakes as a TLS 1.2+ client for `host` within `timeLimit`: the chain to a trusted root,
// the host name or IP literal and the dates are checked. Ok comes with a socket that encrypts
// what it sends and decrypts what it receives over `plain`.
TConnectResult StartOpenSslTls(std::unique_ptr<ISocket> plain, const std::string& host,
                               const TTrustedRoots& roots, std::chrono::milliseconds timeLimit);

}  // namespace porvan
