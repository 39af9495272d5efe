// The https checks that every platform's TLS layer must pass against the loopback TLS test
// servers of tools/tlsserver, shared by the native and the Windows suites.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "http/form_post_client.h"
#include "platform/socket.h"

namespace porvan::testing {

// The open request for FTP access to example.com; the whole exchange is bounded by `limit`,
// each wait by the client's own limit.
TPostResult PostOpenRequest(ISocketFactory& sockets, const std::string& url,
                            std::chrono::milliseconds limit = std::chrono::milliseconds(10000));

// A server that never sends its part of the handshake, and one that drips its reply: each ends
// the exchange within its bounds, with no TLS reason. `url` gives the URL of a kind of server.
void CheckTimeBoundsInsideTls(ISocketFactory& sockets,
                              const std::function<std::string(const std::string&)>& url);

}  // namespace porvan::testing
