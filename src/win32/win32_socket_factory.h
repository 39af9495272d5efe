// The socket factory on Winsock 2, which it keeps started for as long as it lives.
#pragma once

#include "platform/socket.h"
#include "win32/win32_socket.h"

namespace porvan {

class TWinsockSocketFactory final : public ISocketFactory {
 public:
  TConnectResult Connect(const std::string& host, const std::string& port,
                         std::chrono::milliseconds timeLimit) override;

 private:
  TWinsockSession session_;
};

}  // namespace porvan
