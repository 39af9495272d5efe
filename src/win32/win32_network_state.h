// The connection-state seam on Windows.
#pragma once

#include "platform/network_state.h"

namespace porvan {

// WinINet's answer: offline when it reports no connection or the offline bit (0x20).
class TWin32NetworkState : public INetworkState {
 public:
  bool IsOffline() override;
};

}  // namespace porvan
