// The TLS client session on POSIX systems: OpenSSL over any connected socket of the seam.
#include "posix/openssl_tls.h"

#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509_vfy.h>

#include <array>

namespace porvan {

namespace {

using Clock = std::chrono::steady_clock;

// The most one read from the network takes: a whole TLS record and its framing.
constexpr std::size_t kNetworkChunk = 16 * 1024 + 512;

struct TSslCtxFree {
  void operator()(SSL_CTX* ctx) const { SSL_CTX_free(ctx); }
};
struct TSslFree {
  void operator()(SSL* ssl) const { SSL_free(ssl); }
};
using TSslCtxPtr = std::unique_ptr<SSL_CTX, TSslCtxFree>;
using TSslPtr = std::unique_ptr<SSL, TSslFree>;

// Rounded up, so a wait never ends before `end`, where the exchange's deadline lies.
std::chrono::milliseconds LeftUntil(Clock::time_point end) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now());
  return left.count() > 0 ? left : std::chrono::milliseconds(0);
}

bool IsIpLiteral(const std::string& host) {
  std::array<unsigned char, 16> address{};
  return inet_pton(AF_INET, host.c_str(), address.data()) == 1 ||
         inet_pton(AF_INET6, host.c_str(), address.data()) == 1;
}

TTlsFailure ReasonOf(long verifyResult) {
  switch (verifyResult) {
    case X509_V_ERR_HOSTNAME_MISMATCH:
    case X509_V_ERR_IP_ADDRESS_MISMATCH:
      return TTlsFailure::WrongName;
    case X509_V_ERR_CERT_HAS_EXPIRED:
    case X509_V_ERR_CERT_NOT_YET_VALID:
      return TTlsFailure::Expired;
    case X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT:
    case X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY:
    case X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE:
    case X509_V_ERR_CERT_UNTRUSTED:
    case X509_V_ERR_CERT_REJECTED:
      return TTlsFailure::Untrusted;
    default:
      return TTlsFailure::Other;
  }
}

TSslCtxPtr NewContext(const TTrustedRoots& roots) {
  TSslCtxPtr ctx(SSL_CTX_new(TLS_client_method()));
  if (!ctx || SSL_CTX_set_min_proto_version(ctx.get(), TLS1_2_VERSION) != 1) {
    return nullptr;
  }
  SSL_CTX_set_verify(ctx.get(), SSL_VERIFY_PEER, nullptr);
  // A roots file that does not load leaves the store empty, so every chain is untrusted.
  if (roots.PemFile.empty()) {
    SSL_CTX_set_default_verify_paths(ctx.get());
  } else {
    SSL_CTX_load_verify_locations(ctx.get(), roots.PemFile.c_str(), nullptr);
  }
  ERR_clear_error();
  return ctx;
}

class TOpenSslSocket final : public ISocket {
 public:
  TOpenSslSocket(std::unique_ptr<ISocket> plain, TSslCtxPtr ctx, TSslPtr ssl)
      : plain_(std::move(plain)), ctx_(std::move(ctx)), ssl_(std::move(ssl)) {}

  TConnectResult Handshake(std::chrono::milliseconds timeLimit);
  TNetStatus SendAll(std::string_view bytes, std::chrono::milliseconds timeLimit) override;
  TNetStatus Receive(std::string& buffer, std::size_t maxBytes,
                     std::chrono::milliseconds timeLimit) override;

 private:
  // Sends what OpenSSL has written for the network.
  TNetStatus Flush(std::chrono::milliseconds timeLimit);
  // Hands OpenSSL what the network brings within the limit.
  TNetStatus Fill(std::chrono::milliseconds timeLimit);
  // After an OpenSSL call that wants more: flush, then read when it wants to read.
  TNetStatus Turn(int error, Clock::time_point end);

  std::unique_ptr<ISocket> plain_;
  TSslCtxPtr ctx_;
  TSslPtr ssl_;
};

TNetStatus TOpenSslSocket::Flush(std::chrono::milliseconds timeLimit) {
  BIO* out = SSL_get_wbio(ssl_.get());
  std::array<char, kNetworkChunk> chunk{};
  while (BIO_ctrl_pending(out) > 0) {
    const int got = BIO_read(out, chunk.data(), static_cast<int>(chunk.size()));
    if (got <= 0) {
      return TNetStatus::Error;
    }
    const TNetStatus sent =
        plain_->SendAll(std::string_view(chunk.data(), static_cast<std::size_t>(got)), timeLimit);
    if (sent != TNetStatus::Ok) {
      return sent;
    }
  }
  return TNetStatus::Ok;
}

TNetStatus TOpenSslSocket::Fill(std::chrono::milliseconds timeLimit) {
  std::string received;
  const TNetStatus status = plain_->Receive(received, kNetworkChunk, timeLimit);
  if (status == TNetStatus::Ok &&
      BIO_write(SSL_get_rbio(ssl_.get()), received.data(), static_cast<int>(received.size())) !=
          static_cast<int>(received.size())) {
    return TNetStatus::Error;
  }
  return status;
}

TNetStatus TOpenSslSocket::Turn(int error, Clock::time_point end) {
  if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) {
    return TNetStatus::Error;
  }
  if (const TNetStatus flushed = Flush(LeftUntil(end)); flushed != TNetStatus::Ok) {
    return flushed;
  }
  return error == SSL_ERROR_WANT_READ ? Fill(LeftUntil(end)) : TNetStatus::Ok;
}

TConnectResult TOpenSslSocket::Handshake(std::chrono::milliseconds timeLimit) {
  const Clock::time_point end = Clock::now() + timeLimit;
  TConnectResult result;
  for (;;) {
    const int done = SSL_connect(ssl_.get());
    const int error = SSL_get_error(ssl_.get(), done);
    if (done == 1) {
      result.Status = Flush(LeftUntil(end));
      break;
    }
    const TNetStatus turned = Turn(error, end);
    if (turned != TNetStatus::Ok) {
      result.Status = turned == TNetStatus::TimedOut ? TNetStatus::TimedOut : TNetStatus::Error;
      break;
    }
  }
  ERR_clear_error();
  if (result.Status == TNetStatus::Error) {
    const long verified = SSL_get_verify_result(ssl_.get());
    result.Tls = verified == X509_V_OK ? TTlsFailure::Other : ReasonOf(verified);
  }
  return result;
}

TNetStatus TOpenSslSocket::SendAll(std::string_view bytes, std::chrono::milliseconds timeLimit) {
  const Clock::time_point end = Clock::now() + timeLimit;
  while (!bytes.empty()) {
    std::size_t written = 0;
    const int ok = SSL_write_ex(ssl_.get(), bytes.data(), bytes.size(), &written);
    if (ok == 1) {
      bytes.remove_prefix(written);
      continue;
    }
    const int error = SSL_get_error(ssl_.get(), ok);
    ERR_clear_error();
    if (const TNetStatus turned = Turn(error, end); turned != TNetStatus::Ok) {
      return turned;
    }
  }
  return Flush(LeftUntil(end));
}

TNetStatus TOpenSslSocket::Receive(std::string& buffer, std::size_t maxBytes,
                                   std::chrono::milliseconds timeLimit) {
  // One limit for the whole call: a record dripped in a byte at a time must not stretch it.
  const Clock::time_point end = Clock::now() + timeLimit;
  const std::size_t before = buffer.size();
  for (;;) {
    buffer.resize(before + maxBytes);
    std::size_t got = 0;
    const int ok = SSL_read_ex(ssl_.get(), buffer.data() + before, maxBytes, &got);
    buffer.resize(before + (ok == 1 ? got : 0));
    if (ok == 1) {
      return TNetStatus::Ok;
    }
    const int error = SSL_get_error(ssl_.get(), ok);
    ERR_clear_error();
    if (error == SSL_ERROR_ZERO_RETURN) {
      return TNetStatus::Closed;
    }
    const TNetStatus turned = Turn(error, end);
    // A wait that wakes a little early has not used up the limit.
    if (turned == TNetStatus::TimedOut && LeftUntil(end).count() > 0) {
      continue;
    }
    if (turned != TNetStatus::Ok) {
      return turned;
    }
  }
}

}  // namespace

TConnectResult StartOpenSslTls(std::unique_ptr<ISocket> plain, const std::string& host,
                               const TTrustedRoots& roots, std::chrono::milliseconds timeLimit) {
  TConnectResult failed;
  failed.Tls = TTlsFailure::Other;
  TSslCtxPtr ctx = NewContext(roots);
  if (!ctx) {
    return failed;
  }
  TSslPtr ssl(SSL_new(ctx.get()));
  BIO* in = BIO_new(BIO_s_mem());
  BIO* out = BIO_new(BIO_s_mem());
  if (!ssl || in == nullptr || out == nullptr) {
    BIO_free(in);
    BIO_free(out);
    return failed;
  }
  // An empty input is "wait for more", not the end of the stream.
  BIO_set_mem_eof_return(in, -1);
  SSL_set_bio(ssl.get(), in, out);
  const bool named = IsIpLiteral(host) ? X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl.get()),
                                                                       host.c_str()) == 1
                                       : SSL_set_tlsext_host_name(ssl.get(), host.c_str()) == 1 &&
                                             SSL_set1_host(ssl.get(), host.c_str()) == 1;
  if (!named) {
    ERR_clear_error();
    return failed;
  }
  SSL_set_connect_state(ssl.get());
  auto socket = std::make_unique<TOpenSslSocket>(std::move(plain), std::move(ctx), std::move(ssl));
  TConnectResult result = socket->Handshake(timeLimit);
  if (result.Status == TNetStatus::Ok) {
    result.Socket = std::move(socket);
  }
  return result;
}

}  // namespace porvan
