// The URL Moniker's callback object: passes a transfer's notifications on and judges its end.
#include "win32/bind_status_callback.h"

#include <wininet.h>

#include "common/transfer_stop_text.h"
#include "win32/message_pump.h"
#include "win32/wide_text.h"

namespace porvan {

namespace {

std::string NarrowOrEmpty(LPCWSTR text) {
  return text != nullptr ? Narrow(text) : std::string();
}

}  // namespace

void TBindStatusCallback::Finish(HRESULT result) {
  if (started_ && !stopped_) {
    Stop(FAILED(result) ? result : E_FAIL, std::string());
  }
  events_ = nullptr;
  binding_.reset();
}

HRESULT TBindStatusCallback::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IBindStatusCallback)) {
    *object = static_cast<IBindStatusCallback*>(this);
  } else if (IsEqualIID(iid, IID_IHttpNegotiate)) {
    *object = static_cast<IHttpNegotiate*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG TBindStatusCallback::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG TBindStatusCallback::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) {
    delete this;
  }
  return static_cast<ULONG>(left);
}

HRESULT TBindStatusCallback::OnStartBinding(DWORD /*reserved*/, IBinding* binding) {
  if (events_ != nullptr && !started_) {
    started_ = true;
    if (binding != nullptr) {
      binding->AddRef();
      binding_.reset(binding);
    }
    events_->OnStartBinding();
  }
  return S_OK;
}

HRESULT TBindStatusCallback::GetPriority(LONG* /*priority*/) {
  return S_OK;
}

HRESULT TBindStatusCallback::OnLowResource(DWORD /*reserved*/) {
  return S_OK;
}

HRESULT TBindStatusCallback::OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode,
                                        LPCWSTR statusText) {
  if (events_ == nullptr || stopped_) {
    return S_OK;
  }
  if (statusCode == BINDSTATUS_REDIRECTING && !Follow(NarrowOrEmpty(statusText))) {
    return E_ABORT;
  }
  if (aborted_) {
    return E_ABORT;  // nothing more is passed on once the transfer was asked to end
  }
  if (!started_) {
    return S_OK;
  }
  received_ = progress;
  expected_ = progressMax;
  const bool goOn = events_->OnProgress(progress, progressMax, NarrowOrEmpty(statusText));
  HandleWaitingMessages();
  if (!goOn) {
    aborted_ = true;
    return E_ABORT;
  }
  return S_OK;
}

HRESULT TBindStatusCallback::OnStopBinding(HRESULT result, LPCWSTR error) {
  if (events_ != nullptr && started_ && !stopped_) {
    Stop(result, NarrowOrEmpty(error));
  }
  return S_OK;
}

void TBindStatusCallback::Stop(HRESULT result, const std::string& platformError) {
  stopped_ = true;
  const TTransferEnd end{.PlatformError = platformError,
                         .PlatformFailed = FAILED(result),
                         .Aborted = aborted_ || result == E_ABORT,
                         .HttpStatus = httpStatus_,
                         .Received = received_,
                         .Expected = expected_};
  events_->OnStopBinding(TransferStopText(end));
}

bool TBindStatusCallback::Follow(const std::string& url) {
  if (events_ == nullptr || url.empty() || url == url_) {
    return true;
  }
  if (!events_->OnRedirect(url)) {
    aborted_ = true;
    return false;
  }
  url_ = url;
  return true;
}

std::string TBindStatusCallback::CurrentUrl() const {
  // The binding answers this only once its request exists, so it is asked late.
  void* answer = nullptr;
  if (!binding_ || FAILED(binding_->QueryInterface(IID_IWinInetInfo, &answer))) {
    return {};
  }
  const std::unique_ptr<IWinInetInfo, TComRelease> info(static_cast<IWinInetInfo*>(answer));
  wchar_t url[INTERNET_MAX_URL_LENGTH + 1] = {};
  DWORD size = sizeof url - sizeof url[0];
  if (info->QueryOption(INTERNET_OPTION_URL, url, &size) != S_OK) {
    return {};
  }
  return Narrow(url);
}

HRESULT TBindStatusCallback::GetBindInfo(DWORD* flags, BINDINFO* /*info*/) {
  // Always from the server, never from the URL cache: a cached copy brings no reply status, so
  // the transfer would be judged failed, and a server may put a newer installer at the same URL.
  if (flags != nullptr) {
    *flags |= BINDF_GETNEWESTVERSION | BINDF_NOWRITECACHE | BINDF_PRAGMA_NO_CACHE;
  }
  return S_OK;
}

HRESULT TBindStatusCallback::OnDataAvailable(DWORD /*flags*/, DWORD /*size*/, FORMATETC* /*format*/,
                                             STGMEDIUM* /*medium*/) {
  return S_OK;
}

HRESULT TBindStatusCallback::OnObjectAvailable(REFIID /*iid*/, IUnknown* /*object*/) {
  return S_OK;
}

HRESULT TBindStatusCallback::BeginningTransaction(LPCWSTR /*url*/, LPCWSTR /*headers*/,
                                                  DWORD /*reserved*/, LPWSTR* additionalHeaders) {
  if (additionalHeaders != nullptr) {
    *additionalHeaders = nullptr;
  }
  return S_OK;
}

HRESULT TBindStatusCallback::OnResponse(DWORD status, LPCWSTR /*responseHeaders*/,
                                        LPCWSTR /*requestHeaders*/, LPWSTR* additionalHeaders) {
  if (additionalHeaders != nullptr) {
    *additionalHeaders = nullptr;
  }
  httpStatus_ = static_cast<int>(status);
  return Follow(CurrentUrl()) ? S_OK : E_ABORT;
}

}  // namespace porvan
