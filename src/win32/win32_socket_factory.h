// The socket factory on Winsock 2, which it starts at the first connection and keeps started.
#pragma once

#include <optional>

#include "platform/socket.h"
#include "win32/win32_socket.h"

namespace porvan {

class TWinsockSocketFactory final : public ISocketFactory {
 public:
  TConnectResult Connect(const std::string& host, const std::string& port,
                         std::chrono::milliseconds timeLimit) override;

 private:
  std::optional<TWinsockSession> session_;
};

}  // namespace porvan
