// The https exchange over OpenSSL against loopback TLS servers with certificates of a test CA
// made for the run: the bytes that arrive, and the reason of each certificate the client refuses.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "posix/posix_socket_factory.h"
#include "support/exchange_cases.h"
#include "support/tls_exchange_checks.h"
#include "support/tls_server_ports.h"

extern char** environ;

namespace porvan {
namespace {

using namespace std::chrono_literals;

// tools/tlsserver/tls_server.py, started for the tests of this file and ended when its stdin
// closes.
class TTlsServerProcess {
 public:
  TTlsServerProcess() {
    int toServer[2];
    int fromServer[2];
    if (::pipe(toServer) != 0 || ::pipe(fromServer) != 0) {
      return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toServer[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromServer[1], 1);
    posix_spawn_file_actions_addclose(&actions, toServer[1]);
    posix_spawn_file_actions_addclose(&actions, fromServer[0]);
    const std::string script = PORVAN_SOURCE_DIR "/tools/tlsserver/tls_server.py";
    const std::string dir = CertificateDir();
    const char* argv[] = {"python3",   script.c_str(),         "--dir",
                          dir.c_str(), "--until-stdin-closes", nullptr};
    const int spawned =
        posix_spawnp(&pid_, "python3", &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(toServer[0]);
    ::close(fromServer[1]);
    stdin_ = toServer[1];
    if (spawned != 0) {
      pid_ = -1;
      ::close(fromServer[0]);
      return;
    }
    std::unique_ptr<FILE, int (*)(FILE*)> out(::fdopen(fromServer[0], "r"), &::fclose);
    char line[1024] = {};
    if (out && std::fgets(line, sizeof line, out.get()) != nullptr) {
      ports_ = line;
    }
  }
  ~TTlsServerProcess() {
    ::close(stdin_);
    if (pid_ > 0) {
      int status = 0;
      ::waitpid(pid_, &status, 0);
    }
  }
  TTlsServerProcess(const TTlsServerProcess&) = delete;
  TTlsServerProcess& operator=(const TTlsServerProcess&) = delete;

  static std::string CertificateDir() { return PORVAN_BUILD_DIR "/tls-test"; }

  std::string Port(const std::string& kind) const { return testing::TlsServerPort(ports_, kind); }

 private:
  pid_t pid_ = -1;
  int stdin_ = -1;
  std::string ports_;
};

class TlsExchangeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server = new TTlsServerProcess(); }
  static void TearDownTestSuite() {
    delete server;
    server = nullptr;
  }

  static std::string Url(const std::string& host, const std::string& kind) {
    return "https://" + host + ":" + server->Port(kind) + "/porvandaemon/communication.php";
  }

  static TTrustedRoots TestRoots() { return {TTlsServerProcess::CertificateDir() + "/ca.pem"}; }

  static TPostResult Post(const std::string& url, const TTrustedRoots& roots) {
    TPosixSocketFactory sockets(roots);
    return testing::PostOpenRequest(sockets, url);
  }

  static TTlsServerProcess* server;
};

TTlsServerProcess* TlsExchangeTest::server = nullptr;

TEST_F(TlsExchangeTest, TheOpenRequestArrivesUnchangedInsideTls) {
  // The server answers with the raw bytes it decrypted.
  for (const char* host : {"127.0.0.1", "localhost"}) {
    SCOPED_TRACE(host);
    const TPostResult result = Post(Url(host, "good"), TestRoots());
    ASSERT_EQ(result.Status, TExchangeStatus::Ok);
    EXPECT_EQ(result.Body, testing::ExpectedOpenRequest(host + (":" + server->Port("good"))));
  }
}

TEST_F(TlsExchangeTest, RefusesEachBadCertificateWithItsReason) {
  struct {
    const char* name;
    const char* host;
    const char* kind;
    TTrustedRoots roots;
    TExchangeStatus status;
    TTlsFailure reason;
  } const cases[] = {
      {.name = "another host name",
       .host = "localhost",
       .kind = "wrongname",
       .roots = TestRoots(),
       .status = TExchangeStatus::TlsFailed,
       .reason = TTlsFailure::WrongName},
      {.name = "another host than the IP literal",
       .host = "127.0.0.1",
       .kind = "wrongname",
       .roots = TestRoots(),
       .status = TExchangeStatus::TlsFailed,
       .reason = TTlsFailure::WrongName},
      {.name = "expired",
       .host = "localhost",
       .kind = "expired",
       .roots = TestRoots(),
       .status = TExchangeStatus::TlsFailed,
       .reason = TTlsFailure::Expired},
      {.name = "from a CA nobody trusts",
       .host = "localhost",
       .kind = "untrusted",
       .roots = TestRoots(),
       .status = TExchangeStatus::TlsFailed,
       .reason = TTlsFailure::Untrusted},
      {.name = "the test CA is not among the system's roots",
       .host = "localhost",
       .kind = "good",
       .roots = {},
       .status = TExchangeStatus::TlsFailed,
       .reason = TTlsFailure::Untrusted},
      {.name = "a roots file that cannot be read trusts nothing",
       .host = "localhost",
       .kind = "good",
       .roots = {TTlsServerProcess::CertificateDir() + "/no-such-file.pem"},
       .status = TExchangeStatus::TlsFailed,
       .reason = TTlsFailure::Untrusted},
      {.name = "a plain http server on the https port",
       .host = "127.0.0.1",
       .kind = "plain",
       .roots = TestRoots(),
       .status = TExchangeStatus::TlsFailed,
       .reason = TTlsFailure::Other},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TPostResult result = Post(Url(c.host, c.kind), c.roots);
    EXPECT_EQ(result.Status, c.status);
    EXPECT_EQ(result.Tls, c.reason);
    EXPECT_TRUE(result.Body.empty());
  }
}

TEST_F(TlsExchangeTest, TheTimeBoundsHoldInsideTls) {
  TPosixSocketFactory sockets(TestRoots());
  testing::CheckTimeBoundsInsideTls(sockets,
                                    [](const std::string& kind) { return Url("127.0.0.1", kind); });
}

}  // namespace
}  // namespace porvan
