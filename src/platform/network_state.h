// The connection-state seam: whether the machine has any network connection at all.
#pragma once

namespace porvan {

// Contract
// - A cheap local question; it makes no network request and never blocks.
// - True means "plainly offline": the system reports no connection, or reports itself offline.
//   False does not promise that the server can be reached; the caller's own request decides that.
class INetworkState {
 public:
  virtual ~INetworkState() = default;
  virtual bool IsOffline() = 0;
};

}  // namespace porvan
