// The socket factory on Winsock 2, which it starts at the first connection and keeps started.
#pragma once

#include <optional>

#include "platform/socket.h"
#include "win32/schannel_tls.h"
#include "win32/win32_socket.h"

namespace porvan {

class TWinsockSocketFactory final : public ISocketFactory {
 public:
  TConnectResult Connect(const std::string& host, const std::string& port,
                         std::chrono::milliseconds timeLimit) override;
  // Schannel, with the machine's trusted roots.
  TConnectResult StartTls(std::unique_ptr<ISocket> plain, const std::string& host,
                          std::chrono::milliseconds timeLimit) override {
    return StartSchannelTls(std::move(plain), host, timeLimit);
  }

 private:
  std::optional<TWinsockSession> session_;
};

}  // namespace porvan
