// Benchmark: the round trip of an open request through TRemoteServerCon against a loopback
// server, the exchange on the calling thread, and of the same request bytes sent and read over a
// raw socket, in turns. Prints the medians as "key value" lines for tools/bench/table.py. What the
// programs' waits add is measured by bench_wait_windows.cpp and bench_wait_qt.cpp.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "platform/socket.h"
#include "server/remote_server_con.h"
#include "settings/run_state.h"
#include "support/fake_platform.h"
#include "support/loopback_server.h"

namespace {

using namespace porvan;
using namespace porvan::testing;
using namespace porvan::bench;
using namespace std::chrono_literals;

const std::string kReply =
    "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nSUCCESS:Access_opened:FTP:example.com";

// Connects, sends the head and the body as the client does, and reads the reply to the close.
bool RawRoundTrip(ISocketFactory& sockets, const std::string& port, const std::string& head,
                  const std::string& body) {
  TConnectResult connection = sockets.Connect("127.0.0.1", port, 5s);
  if (connection.Status != TNetStatus::Ok ||
      connection.Socket->SendAll(head, 5s) != TNetStatus::Ok ||
      connection.Socket->SendAll(body, 5s) != TNetStatus::Ok) {
    return false;
  }
  std::string received;
  TNetStatus status = TNetStatus::Ok;
  while ((status = connection.Socket->Receive(received, 16384, 5s)) == TNetStatus::Ok) {
  }
  return status == TNetStatus::Closed && received == kReply;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  TLoopbackServer server(std::vector<TServerTurn>(2 * rounds + 1, TServerTurn{kReply}));
  if (!server.Listening()) {
    std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
    return 1;
  }
  TFakePlatform fake;
  fake.Files.Files[fake.SettingsPath()] =
      "[config]\r\nServerURL=" + server.Url("/porvandaemon/communication.php") + "\r\n";
  SysVar = std::make_unique<TSysVar>(fake.Platform);
  TCallingThreadWait callingThread;
  TRemoteServerCon direct(fake.Platform.Sockets, fake.Platform.Messages, callingThread,
                          SysVar->GetServerURL());

  // The first request gives the exact bytes that the raw socket then sends.
  if (!direct.OpenFTP("example.com")) {
    std::fprintf(stderr, "the open request failed\n");
    return 1;
  }
  const std::string request = server.Requests().at(0);
  const std::size_t headEnd = request.find("\r\n\r\n") + 4;
  const std::string head = request.substr(0, headEnd);
  const std::string body = request.substr(headEnd);
  const std::string port = std::to_string(server.Port());

  std::vector<double> onCallingThread;
  std::vector<double> raw;
  const std::function<bool()> measures[] = {
      [&] { return Timed(onCallingThread, [&] { return direct.OpenFTP("example.com"); }); },
      [&] { return Timed(raw, [&] { return RawRoundTrip(*fake.Sockets, port, head, body); }); }};
  // Each round runs both, each first in turn, so neither gains from following the other.
  for (int i = 0; i < rounds; ++i) {
    for (int k = 0; k < 2; ++k) {
      if (!measures[(i + k) % 2]()) {
        std::fprintf(stderr, "round %d failed in measure %d\n", i, (i + k) % 2);
        return 1;
      }
    }
  }
  SysVar.reset();

  std::printf("roundtrip_rounds %d\nroundtrip_calling_thread_us %.1f\nroundtrip_raw_us %.1f\n",
              rounds, Median(onCallingThread), Median(raw));
  return 0;
}
