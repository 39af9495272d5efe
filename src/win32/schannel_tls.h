// The TLS client session on Windows: Schannel (SSPI) over any connected socket of the seam.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/socket.h"

namespace porvan {

// Handshakes as a TLS 1.2 client for `host` within `timeLimit`, then checks the server's
// certificate with the system's chain engine and its SSL policy: a chain to a root the machine
// trusts, `host` (a name or an IP literal), the dates. Ok comes with a socket that encrypts
// what it sends and decrypts what it receives over `plain`.
TConnectResult StartSchannelTls(std::unique_ptr<ISocket> plain, const std::string& host,
                                std::chrono::milliseconds timeLimit);

}  // namespace porvan
