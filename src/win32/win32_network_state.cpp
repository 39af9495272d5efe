// The connection-state seam on Windows: InternetGetConnectedState.
#include "win32/win32_network_state.h"

#include <windows.h>
#include <wininet.h>

namespace porvan {

bool TWin32NetworkState::IsOffline() {
  DWORD flags = 0;
  const bool connected = InternetGetConnectedState(&flags, 0) != FALSE;
  return !connected || (flags & INTERNET_CONNECTION_OFFLINE) != 0;
}

}  // namespace porvan
