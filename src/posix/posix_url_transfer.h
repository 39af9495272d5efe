// The transfer seam on POSIX systems: libcurl fetches and probes.
#pragma once

#include "platform/url_transfer.h"

namespace porvan {

// The file is written beside its path and put in its place only when the transfer succeeded,
// so a failed transfer leaves an older file as it was.
class TCurlUrlTransfer final : public IUrlTransfer {
 public:
  TCurlUrlTransfer();
  ~TCurlUrlTransfer() override;
  TCurlUrlTransfer(const TCurlUrlTransfer&) = delete;
  TCurlUrlTransfer& operator=(const TCurlUrlTransfer&) = delete;

  void Download(const std::string& url, const TPath& path, IUrlTransferEvents& events,
                const TTransferLimits& limits) override;
  TSecureProbeReply ProbeSecure(const std::string& url, const std::string& referer,
                                const TTransferLimits& limits) override;
};

}  // namespace porvan
