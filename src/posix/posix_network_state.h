// The connection-state seam on POSIX systems.
#pragma once

#include "platform/network_state.h"

namespace porvan {

// Offline when no network interface other than loopback is up with an address.
class TPosixNetworkState : public INetworkState {
 public:
  bool IsOffline() override;
};

}  // namespace porvan
