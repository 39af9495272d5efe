// The transfer seam on Windows: URL Moniker fetches, WinINet probes https.
#pragma once

#include "platform/url_transfer.h"

namespace porvan {

class TUrlMonikerTransfer final : public IUrlTransfer {
 public:
  void Download(const std::string& url, const TPath& path, IUrlTransferEvents& events,
                const TTransferLimits& limits) override;
  TSecureProbeReply ProbeSecure(const std::string& url, const std::string& referer,
                                const TTransferLimits& limits) override;
};

}  // namespace porvan
