// The TLS client session on Windows: Schannel (SSPI) over any connected socket of the seam.
#ifndef SECURITY_WIN32
#define SECURITY_WIN32
#endif
#include "win32/schannel_tls.h"

#include <windows.h>

#include <schannel.h>
#include <security.h>
#include <wincrypt.h>

#include <algorithm>
#include <array>

#include "win32/wide_text.h"

namespace porvan {

namespace {

using Clock = std::chrono::steady_clock;

// The most one read from the network takes: a whole TLS record and its framing.
constexpr std::size_t kNetworkChunk = 16 * 1024 + 512;
// Beyond this an unfinished handshake message is hostile, not slow.
constexpr std::size_t kLongestHandshakeInput = 256 * 1024;

constexpr ULONG kContextFlags = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT |
                                ISC_REQ_CONFIDENTIALITY | ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM |
                                ISC_REQ_EXTENDED_ERROR | ISC_REQ_MANUAL_CRED_VALIDATION;

// Rounded up, so a wait never ends before `end`, where the exchange's deadline lies.
std::chrono::milliseconds LeftUntil(Clock::time_point end) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now());
  return left.count() > 0 ? left : std::chrono::milliseconds(0);
}

class TCredentials {
 public:
  TCredentials() {
    SCHANNEL_CRED cred{};
    cred.dwVersion = SCHANNEL_CRED_VERSION;
    cred.grbitEnabledProtocols = SP_PROT_TLS1_2_CLIENT;
    // The certificate is checked below against the chain engine, where the reason is known.
    cred.dwFlags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS;
    wchar_t package[] = UNISP_NAME_W;
    valid_ = AcquireCredentialsHandleW(nullptr, package, SECPKG_CRED_OUTBOUND, nullptr, &cred,
                                       nullptr, nullptr, &handle_, nullptr) == SEC_E_OK;
  }
  ~TCredentials() {
    if (valid_) {
      FreeCredentialsHandle(&handle_);
    }
  }
  TCredentials(const TCredentials&) = delete;
  TCredentials& operator=(const TCredentials&) = delete;

  bool Valid() const { return valid_; }
  CredHandle* Get() { return &handle_; }

 private:
  CredHandle handle_{};
  bool valid_ = false;
};

class TSecurityContext {
 public:
  TSecurityContext() = default;
  ~TSecurityContext() {
    if (valid_) {
      DeleteSecurityContext(&handle_);
    }
  }
  TSecurityContext(const TSecurityContext&) = delete;
  TSecurityContext& operator=(const TSecurityContext&) = delete;

  // Null before the first call of the handshake, as InitializeSecurityContextW wants it.
  CtxtHandle* Existing() { return valid_ ? &handle_ : nullptr; }
  CtxtHandle* Get() { return &handle_; }
  void MarkValid() { valid_ = true; }

 private:
  CtxtHandle handle_{};
  bool valid_ = false;
};

struct TCertFree {
  void operator()(PCCERT_CONTEXT cert) const { CertFreeCertificateContext(cert); }
};
struct TChainFree {
  void operator()(PCCERT_CHAIN_CONTEXT chain) const { CertFreeCertificateChain(chain); }
};

// Frees what SSPI allocated for an output token.
struct TOutputToken {
  SecBuffer Buffer{0, SECBUFFER_TOKEN, nullptr};
  SecBufferDesc Desc{SECBUFFER_VERSION, 1, &Buffer};
  ~TOutputToken() {
    if (Buffer.pvBuffer != nullptr) {
      FreeContextBuffer(Buffer.pvBuffer);
    }
  }
  std::string_view Bytes() const {
    return {static_cast<const char*>(Buffer.pvBuffer), Buffer.cbBuffer};
  }
};

TTlsFailure ReasonOf(DWORD policyError) {
  switch (policyError) {
    case static_cast<DWORD>(CERT_E_CN_NO_MATCH):
      return TTlsFailure::WrongName;
    case static_cast<DWORD>(CERT_E_EXPIRED):
    case static_cast<DWORD>(CERT_E_VALIDITYPERIODNESTING):
      return TTlsFailure::Expired;
    case static_cast<DWORD>(CERT_E_UNTRUSTEDROOT):
    case static_cast<DWORD>(CERT_E_UNTRUSTEDCA):
    case static_cast<DWORD>(CERT_E_CHAINING):
    case static_cast<DWORD>(CERT_E_UNTRUSTEDTESTROOT):
    case static_cast<DWORD>(TRUST_E_CERT_SIGNATURE):
      return TTlsFailure::Untrusted;
    default:
      return TTlsFailure::Other;
  }
}

TTlsFailure ReasonOfChain(DWORD errorStatus) {
  if ((errorStatus & CERT_TRUST_IS_NOT_TIME_VALID) != 0) {
    return TTlsFailure::Expired;
  }
  constexpr DWORD kUntrusted = CERT_TRUST_IS_UNTRUSTED_ROOT | CERT_TRUST_IS_PARTIAL_CHAIN |
                               CERT_TRUST_IS_NOT_SIGNATURE_VALID | CERT_TRUST_IS_CYCLIC;
  if ((errorStatus & kUntrusted) != 0) {
    return TTlsFailure::Untrusted;
  }
  return errorStatus == CERT_TRUST_NO_ERROR ? TTlsFailure::None : TTlsFailure::Other;
}

// The verdict of the system's chain engine and SSL policy on the server's certificate.
TTlsFailure CheckServerCertificate(CtxtHandle* context, const std::wstring& host) {
  PCCERT_CONTEXT received = nullptr;
  if (QueryContextAttributesW(context, SECPKG_ATTR_REMOTE_CERT_CONTEXT, &received) != SEC_E_OK ||
      received == nullptr) {
    return TTlsFailure::Other;
  }
  const std::unique_ptr<const CERT_CONTEXT, TCertFree> cert(received);
  char serverAuth[] = szOID_PKIX_KP_SERVER_AUTH;
  LPSTR usages[] = {serverAuth};
  CERT_CHAIN_PARA chainPara{};
  chainPara.cbSize = sizeof chainPara;
  chainPara.RequestedUsage.dwType = USAGE_MATCH_TYPE_OR;
  chainPara.RequestedUsage.Usage.cUsageIdentifier = 1;
  chainPara.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
  PCCERT_CHAIN_CONTEXT built = nullptr;
  if (!CertGetCertificateChain(nullptr, cert.get(), nullptr, cert->hCertStore, &chainPara, 0,
                               nullptr, &built)) {
    return TTlsFailure::Other;
  }
  const std::unique_ptr<const CERT_CHAIN_CONTEXT, TChainFree> chain(built);

  std::wstring serverName = host;
  SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl{};
  ssl.cbSize = sizeof ssl;
  ssl.dwAuthType = AUTHTYPE_SERVER;
  ssl.pwszServerName = serverName.data();
  CERT_CHAIN_POLICY_PARA policy{};
  policy.cbSize = sizeof policy;
  policy.pvExtraPolicyPara = &ssl;
  CERT_CHAIN_POLICY_STATUS status{};
  status.cbSize = sizeof status;
  if (!CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain.get(), &policy, &status)) {
    return TTlsFailure::Other;
  }
  if (status.dwError != 0) {
    return ReasonOf(status.dwError);
  }
  // The chain engine's own verdict as well: Wine's SSL policy passes a chain that ends at a
  // root nobody trusts.
  return ReasonOfChain(chain->TrustStatus.dwErrorStatus);
}

class TSchannelSocket final : public ISocket {
 public:
  TSchannelSocket(std::unique_ptr<ISocket> plain, std::wstring host)
      : plain_(std::move(plain)), host_(std::move(host)) {}

  TConnectResult Handshake(std::chrono::milliseconds timeLimit);
  TNetStatus SendAll(std::string_view bytes, std::chrono::milliseconds timeLimit) override;
  TNetStatus Receive(std::string& buffer, std::size_t maxBytes,
                     std::chrono::milliseconds timeLimit) override;

 private:
  // One step of the handshake over what has arrived; sends the token it makes.
  SECURITY_STATUS Step(Clock::time_point end, TNetStatus& sent);
  TNetStatus ReadMore(Clock::time_point end);
  // Decrypts whole records of incoming_ into plain_text_; false on a record that fails.
  SECURITY_STATUS DecryptIncoming();

  std::unique_ptr<ISocket> plain_;
  std::wstring host_;
  TCredentials credentials_;
  TSecurityContext context_;
  SecPkgContext_StreamSizes sizes_{};
  std::string incoming_;   // received bytes not yet taken by Schannel
  std::string plainText_;  // decrypted bytes not yet handed out
  bool peerClosed_ = false;
};

TNetStatus TSchannelSocket::ReadMore(Clock::time_point end) {
  return plain_->Receive(incoming_, kNetworkChunk, LeftUntil(end));
}

SECURITY_STATUS TSchannelSocket::Step(Clock::time_point end, TNetStatus& sent) {
  std::array<SecBuffer, 2> in{};
  in[0] = {static_cast<unsigned long>(incoming_.size()), SECBUFFER_TOKEN, incoming_.data()};
  in[1] = {0, SECBUFFER_EMPTY, nullptr};
  SecBufferDesc inDesc{SECBUFFER_VERSION, static_cast<unsigned long>(in.size()), in.data()};
  TOutputToken out;
  ULONG attributes = 0;
  const bool first = context_.Existing() == nullptr;
  const SECURITY_STATUS status = InitializeSecurityContextW(
      credentials_.Get(), context_.Existing(), host_.data(), kContextFlags, 0, 0,
      first ? nullptr : &inDesc, 0, context_.Get(), &out.Desc, &attributes, nullptr);
  if (first && (status == SEC_I_CONTINUE_NEEDED || status == SEC_E_OK)) {
    context_.MarkValid();
  }
  if (status == SEC_E_INCOMPLETE_MESSAGE) {
    return status;
  }
  if (out.Buffer.cbBuffer > 0 && out.Buffer.pvBuffer != nullptr) {
    sent = plain_->SendAll(out.Bytes(), LeftUntil(end));
  }
  if (!first && (status == SEC_E_OK || status == SEC_I_CONTINUE_NEEDED)) {
    // What follows the handshake message in the input belongs to the next step.
    const std::size_t extra = in[1].BufferType == SECBUFFER_EXTRA ? in[1].cbBuffer : 0;
    incoming_.erase(0, incoming_.size() - extra);
  }
  return status;
}

TConnectResult TSchannelSocket::Handshake(std::chrono::milliseconds timeLimit) {
  const Clock::time_point end = Clock::now() + timeLimit;
  TConnectResult result;
  result.Tls = TTlsFailure::Other;
  if (!credentials_.Valid()) {
    return result;
  }
  TNetStatus sent = TNetStatus::Ok;
  SECURITY_STATUS status = Step(end, sent);
  while (sent == TNetStatus::Ok &&
         (status == SEC_I_CONTINUE_NEEDED || status == SEC_E_INCOMPLETE_MESSAGE ||
          status == SEC_I_INCOMPLETE_CREDENTIALS)) {
    // The server asks for a client certificate: go on without one.
    const bool needInput = status != SEC_I_INCOMPLETE_CREDENTIALS &&
                           (incoming_.empty() || status == SEC_E_INCOMPLETE_MESSAGE);
    if (needInput) {
      if (incoming_.size() > kLongestHandshakeInput) {
        return result;
      }
      if (const TNetStatus read = ReadMore(end); read != TNetStatus::Ok) {
        result.Status = read == TNetStatus::TimedOut ? TNetStatus::TimedOut : TNetStatus::Error;
        result.Tls = read == TNetStatus::TimedOut ? TTlsFailure::None : TTlsFailure::Other;
        return result;
      }
    }
    status = Step(end, sent);
  }
  if (sent != TNetStatus::Ok) {
    result.Status = sent == TNetStatus::TimedOut ? TNetStatus::TimedOut : TNetStatus::Error;
    result.Tls = sent == TNetStatus::TimedOut ? TTlsFailure::None : TTlsFailure::Other;
    return result;
  }
  if (status != SEC_E_OK ||
      QueryContextAttributesW(context_.Get(), SECPKG_ATTR_STREAM_SIZES, &sizes_) != SEC_E_OK) {
    return result;
  }
  result.Tls = CheckServerCertificate(context_.Get(), host_);
  if (result.Tls == TTlsFailure::None) {
    result.Status = TNetStatus::Ok;
  }
  return result;
}

TNetStatus TSchannelSocket::SendAll(std::string_view bytes, std::chrono::milliseconds timeLimit) {
  const Clock::time_point end = Clock::now() + timeLimit;
  std::string record;
  while (!bytes.empty()) {
    const std::size_t take = std::min<std::size_t>(bytes.size(), sizes_.cbMaximumMessage);
    record.assign(sizes_.cbHeader, '\0');
    record.append(bytes.substr(0, take));
    record.append(sizes_.cbTrailer, '\0');
    std::array<SecBuffer, 4> parts{};
    parts[0] = {sizes_.cbHeader, SECBUFFER_STREAM_HEADER, record.data()};
    parts[1] = {static_cast<unsigned long>(take), SECBUFFER_DATA, record.data() + sizes_.cbHeader};
    parts[2] = {sizes_.cbTrailer, SECBUFFER_STREAM_TRAILER, record.data() + sizes_.cbHeader + take};
    parts[3] = {0, SECBUFFER_EMPTY, nullptr};
    SecBufferDesc desc{SECBUFFER_VERSION, static_cast<unsigned long>(parts.size()), parts.data()};
    if (EncryptMessage(context_.Get(), 0, &desc, 0) != SEC_E_OK) {
      return TNetStatus::Error;
    }
    const std::size_t length = parts[0].cbBuffer + parts[1].cbBuffer + parts[2].cbBuffer;
    const TNetStatus sent =
        plain_->SendAll(std::string_view(record.data(), length), LeftUntil(end));
    if (sent != TNetStatus::Ok) {
      return sent;
    }
    bytes.remove_prefix(take);
  }
  return TNetStatus::Ok;
}

SECURITY_STATUS TSchannelSocket::DecryptIncoming() {
  SECURITY_STATUS status = SEC_E_OK;
  while (!incoming_.empty() && status == SEC_E_OK) {
    std::array<SecBuffer, 4> parts{};
    parts[0] = {static_cast<unsigned long>(incoming_.size()), SECBUFFER_DATA, incoming_.data()};
    for (std::size_t i = 1; i < parts.size(); ++i) {
      parts[i] = {0, SECBUFFER_EMPTY, nullptr};
    }
    SecBufferDesc desc{SECBUFFER_VERSION, static_cast<unsigned long>(parts.size()), parts.data()};
    status = DecryptMessage(context_.Get(), &desc, 0, nullptr);
    if (status != SEC_E_OK) {
      break;
    }
    std::string extra;
    for (const SecBuffer& part : parts) {
      if (part.BufferType == SECBUFFER_DATA && part.pvBuffer != nullptr) {
        plainText_.append(static_cast<const char*>(part.pvBuffer), part.cbBuffer);
      } else if (part.BufferType == SECBUFFER_EXTRA && part.pvBuffer != nullptr) {
        extra.assign(static_cast<const char*>(part.pvBuffer), part.cbBuffer);
      }
    }
    incoming_ = std::move(extra);
  }
  return status;
}

TNetStatus TSchannelSocket::Receive(std::string& buffer, std::size_t maxBytes,
                                    std::chrono::milliseconds timeLimit) {
  // One limit for the whole call: a record dripped in a byte at a time must not stretch it.
  const Clock::time_point end = Clock::now() + timeLimit;
  for (;;) {
    if (!plainText_.empty()) {
      const std::size_t take = std::min(maxBytes, plainText_.size());
      buffer.append(plainText_, 0, take);
      plainText_.erase(0, take);
      return TNetStatus::Ok;
    }
    if (peerClosed_) {
      return TNetStatus::Closed;
    }
    const SECURITY_STATUS status = DecryptIncoming();
    if (status == SEC_I_CONTEXT_EXPIRED) {
      peerClosed_ = true;  // the server's close_notify
      continue;
    }
    if (status != SEC_E_OK && status != SEC_E_INCOMPLETE_MESSAGE) {
      return TNetStatus::Error;
    }
    if (!plainText_.empty()) {
      continue;
    }
    const TNetStatus read = ReadMore(end);
    // A wait that wakes a little early has not used up the limit.
    if (read == TNetStatus::TimedOut && LeftUntil(end).count() > 0) {
      continue;
    }
    if (read != TNetStatus::Ok) {
      return read;
    }
  }
}

}  // namespace

TConnectResult StartSchannelTls(std::unique_ptr<ISocket> plain, const std::string& host,
                                std::chrono::milliseconds timeLimit) {
  auto socket = std::make_unique<TSchannelSocket>(std::move(plain), Wide(host));
  TConnectResult result = socket->Handshake(timeLimit);
  if (result.Status == TNetStatus::Ok) {
    result.Socket = std::move(socket);
  }
  return result;
}

}  // namespace porvan
