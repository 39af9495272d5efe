// The socket factory on BSD sockets.
#pragma once

#include "platform/socket.h"
#include "posix/openssl_tls.h"

namespace porvan {

class TPosixSocketFactory final : public ISocketFactory {
 public:
  // The system's trusted roots, or the roots `roots` names.
  explicit TPosixSocketFactory(TTrustedRoots roots = {}) : roots_(std::move(roots)) {}

  TConnectResult Connect(const std::string& host, const std::string& port,
                         std::chrono::milliseconds timeLimit) override;
  TConnectResult StartTls(std::unique_ptr<ISocket> plain, const std::string& host,
                          std::chrono::milliseconds timeLimit) override {
    return StartOpenSslTls(std::move(plain), host, roots_, timeLimit);
  }

 private:
  TTrustedRoots roots_;
};

}  // namespace porvan
