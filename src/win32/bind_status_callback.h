// The URL Moniker's callback object: passes a transfer's notifications on and judges its end.
#pragma once

#include <urlmon.h>
#include <windows.h>

#include <memory>
#include <string>

#include "platform/url_transfer.h"

namespace porvan {

struct TComRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};

// Reference-counted as COM wants; the platform's references end only this object, never the
// receiver of the notifications, which the seam detaches before the transfer call returns.
// It also takes the reply status (IHttpNegotiate::OnResponse), because Wine reports a 404 or
// a dropped connection to OnStopBinding as a success.
// The moniker follows redirects by itself. Windows names each one to OnProgress before it is
// followed; Wine names none, so when the reply arrives the binding is asked where the transfer
// ended up, and a place other than the last one known is passed on as a redirect too.
class TBindStatusCallback final : public IBindStatusCallback, public IHttpNegotiate {
 public:
  // Made with one reference, which its creator owns; `url` is the URL the transfer asks for.
  TBindStatusCallback(IUrlTransferEvents& events, std::string url)
      : events_(&events), url_(std::move(url)) {}
  TBindStatusCallback(const TBindStatusCallback&) = delete;
  TBindStatusCallback& operator=(const TBindStatusCallback&) = delete;

  // After the transfer call has returned with `result`: delivers the stop when the platform
  // began the transfer and ended without one, then lets go of the receiver for good.
  void Finish(HRESULT result);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD reserved, IBinding* binding) override;
  HRESULT STDMETHODCALLTYPE GetPriority(LONG* priority) override;
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD reserved) override;
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode,
                                       LPCWSTR statusText) override;
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT result, LPCWSTR error) override;
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO* info) override;
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD flags, DWORD size, FORMATETC* format,
                                            STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID iid, IUnknown* object) override;

  HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR url, LPCWSTR headers, DWORD reserved,
                                                 LPWSTR* additionalHeaders) override;
  HRESULT STDMETHODCALLTYPE OnResponse(DWORD status, LPCWSTR responseHeaders,
                                       LPCWSTR requestHeaders, LPWSTR* additionalHeaders) override;

 private:
  ~TBindStatusCallback() = default;  // only Release ends it
  void Stop(HRESULT result, const std::string& platformError);
  // Passes a redirect to `url` on unless it is the place already known; false when the
  // receiver refused it, which marks the transfer aborted.
  bool Follow(const std::string& url);
  // Where the binding's request is now, after the redirects WinINet followed; empty when the
  // binding cannot say.
  std::string CurrentUrl() const;

  LONG references_ = 1;
  IUrlTransferEvents* events_;  // null once the transfer is over
  std::string url_;             // where the transfer is, after the redirects passed on
  std::unique_ptr<IBinding, TComRelease> binding_;  // from the start notification
  bool started_ = false;
  bool stopped_ = false;
  bool aborted_ = false;
  int httpStatus_ = 0;
  ULONG received_ = 0;  // the last progress notification's sizes
  ULONG expected_ = 0;
};

}  // namespace porvan
