// The URL Moniker's callback object: passes a transfer's notifications on and judges its end.
#include "win32/bind_status_callback.h"

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

HRESULT TBindStatusCallback::OnStartBinding(DWORD /*reserved*/, IBinding* /*binding*/) {
  if (events_ != nullptr && !started_) {
    started_ = true;
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
  // The moniker follows redirects itself and names the new URL here; a redirect may come
  // before the start notification, and answering E_ABORT ends the transfer there.
  if (statusCode == BINDSTATUS_REDIRECTING && !events_->OnRedirect(NarrowOrEmpty(statusText))) {
    aborted_ = true;
    return E_ABORT;
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

HRESULT TBindStatusCallback::GetBindInfo(DWORD* /*flags*/, BINDINFO* /*info*/) {
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
  return S_OK;
}

}  // namespace porvan
