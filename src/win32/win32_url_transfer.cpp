// The transfer seam on Windows: URL Moniker fetches, WinINet probes https.
#include "win32/win32_url_transfer.h"

#include <urlmon.h>
#include <windows.h>

#include <memory>

#include "win32/bind_status_callback.h"
#include "win32/com_apartment.h"
#include "win32/secure_probe.h"
#include "win32/wide_text.h"

namespace porvan {

namespace {

struct TRelease {
  void operator()(TBindStatusCallback* callback) const { callback->Release(); }
};

}  // namespace

void TUrlMonikerTransfer::Download(const std::string& url, const TPath& path,
                                   IUrlTransferEvents& events, const TTransferLimits& /*limits*/) {
  const TComApartment apartment;
  // The W form, so the path reaches the file system intact on any system code page.
  const std::unique_ptr<TBindStatusCallback, TRelease> callback(
      new TBindStatusCallback(events, url));
  const HRESULT result =
      URLDownloadToFileW(nullptr, Wide(url).c_str(), path.c_str(), 0, callback.get());
  callback->Finish(result);
}

TSecureProbeReply TUrlMonikerTransfer::ProbeSecure(const std::string& url,
                                                   const std::string& referer,
                                                   const TTransferLimits& limits) {
  return ProbeWithWinInet(url, referer, limits);
}

}  // namespace porvan
