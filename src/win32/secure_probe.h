// The https probe on Windows: one HEAD request through WinINet, redirects not followed.
#pragma once

#include "platform/url_transfer.h"

namespace porvan {

// WinINet checks the server's certificate and shows no dialog; any failure is "not answered".
TSecureProbeReply ProbeWithWinInet(const std::string& url, const std::string& referer,
                                   const TTransferLimits& limits);

}  // namespace porvan
