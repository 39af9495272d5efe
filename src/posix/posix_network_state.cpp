// The connection-state seam on POSIX systems: the interface list of getifaddrs.
#include "posix/posix_network_state.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

namespace porvan {

bool TPosixNetworkState::IsOffline() {
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) {
    return true;
  }
  bool connected = false;
  for (const ifaddrs* entry = list; entry != nullptr && !connected; entry = entry->ifa_next) {
    const bool hasAddress = entry->ifa_addr != nullptr && (entry->ifa_addr->sa_family == AF_INET ||
                                                           entry->ifa_addr->sa_family == AF_INET6);
    connected =
        hasAddress && (entry->ifa_flags & IFF_UP) != 0 && (entry->ifa_flags & IFF_LOOPBACK) == 0;
  }
  ::freeifaddrs(list);
  return !connected;
}

}  // namespace porvan
