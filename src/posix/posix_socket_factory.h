// The socket factory on BSD sockets.
#pragma once

#include "platform/socket.h"

namespace porvan {

class TPosixSocketFactory final : public ISocketFactory {
 public:
  TConnectResult Connect(const std::string& host, const std::string& port,
                         std::chrono::milliseconds timeLimit) override;
};

}  // namespace porvan
