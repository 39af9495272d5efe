// The connection-state seam: whether the machine has any network connection at all.
#pragma once

namespace porvan {

// Contract
// - A local question; it makes no network request. The first one may wait for the system's
//   network service to start, so callers ask it through the wait seam.
// - True means "plainly offline": the system reports no connection, or reports itself offline.
//   False does not promise that the server can be reached; the caller's own request decides that.
class INetworkState {
 public:
  virtual ~INetworkState() = default;
  virtual bool IsOffline() = 0;
};

}  // namespace porvan
