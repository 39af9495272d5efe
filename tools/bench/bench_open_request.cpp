// Benchmark: the round trip of an open request through TRemoteServerCon against a loopback
// server, with the exchange on the wait's worker thread and on the calling thread, and of the same
// request bytes sent and read over a raw socket, in turns. Prints the medians as "key value" lines
// for tools/bench/table.py.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui_wait.h"
#include "platform/socket.h"
#include "server/remote_server_con.h"
#include "settings/sys_var.h"
#include "support/fake_platform.h"
#include "support/loopback_server.h"

namespace {

using namespace porvan;
using namespace porvan::testing;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const std::string kReply =
    "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nSUCCESS:Access_opened:FTP:example.com";

// The exchange on the calling thread, as every request ran before the wait moved it to a worker.
class TCallingThreadWait final : public IGuiWait {
 public:
  void Run(const std::function<void()>& exchange) override { exchange(); }
  bool Waiting() const override { return false; }
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double MicrosecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

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
  TLoopbackServer server(std::vector<TServerTurn>(3 * rounds + 1, TServerTurn{kReply}));
  if (!server.Listening()) {
    std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
    return 1;
  }
  TFakePlatform fake;
  fake.Files.Files[fake.SettingsPath()] =
      "[config]\r\nServerURL=" + server.Url("/porvandaemon/communication.php") + "\r\n";
  SysVar = std::make_unique<TSysVar>(fake.Platform);
  TRemoteServerCon con(fake.Platform.Sockets, fake.Platform.Messages, fake.Waits,
                       SysVar->GetServerURL());
  TCallingThreadWait callingThread;
  TRemoteServerCon direct(fake.Platform.Sockets, fake.Platform.Messages, callingThread,
                          SysVar->GetServerURL());

  // The first request gives the exact bytes that the raw socket then sends.
  if (!con.OpenFTP("example.com")) {
    std::fprintf(stderr, "the open request failed\n");
    return 1;
  }
  const std::string request = server.Requests().at(0);
  const std::size_t headEnd = request.find("\r\n\r\n") + 4;
  const std::string head = request.substr(0, headEnd);
  const std::string body = request.substr(headEnd);
  const std::string port = std::to_string(server.Port());

  std::vector<double> client;
  std::vector<double> onCallingThread;
  std::vector<double> raw;
  const auto timed = [](std::vector<double>& times, const auto& roundTrip) {
    const auto start = Clock::now();
    const bool ok = roundTrip();
    times.push_back(MicrosecondsSince(start));
    return ok;
  };
  const std::function<bool()> measures[] = {
      [&] { return timed(client, [&] { return con.OpenFTP("example.com"); }); },
      [&] { return timed(onCallingThread, [&] { return direct.OpenFTP("example.com"); }); },
      [&] { return timed(raw, [&] { return RawRoundTrip(*fake.Sockets, port, head, body); }); }};
  // Each round runs all three, each first in turn, so none gains from following another.
  for (int i = 0; i < rounds; ++i) {
    for (int k = 0; k < 3; ++k) {
      if (!measures[(i + k) % 3]()) {
        std::fprintf(stderr, "round %d failed in measure %d\n", i, (i + k) % 3);
        return 1;
      }
    }
  }
  SysVar.reset();

  std::printf(
      "roundtrip_rounds %d\nroundtrip_client_us %.1f\nroundtrip_calling_thread_us "
      "%.1f\nroundtrip_raw_us %.1f\n",
      rounds, Median(client), Median(onCallingThread), Median(raw));
  return 0;
}
