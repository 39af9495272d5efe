// Benchmark: the round trip of an open request through TRemoteServerCon against a loopback
// server, and of the same request bytes sent and read over a raw socket, alternately. Prints the
// medians as "key value" lines for tools/bench/table.py.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

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
  TLoopbackServer server(std::vector<TServerTurn>(2 * rounds + 1, TServerTurn{kReply}));
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
  std::vector<double> raw;
  // Each round runs both, in turns first, so neither gains from following the other.
  for (int i = 0; i < rounds; ++i) {
    bool opened = false;
    bool rawOk = false;
    const auto timeClient = [&] {
      const auto start = Clock::now();
      opened = con.OpenFTP("example.com");
      client.push_back(MicrosecondsSince(start));
    };
    const auto timeRaw = [&] {
      const auto start = Clock::now();
      rawOk = RawRoundTrip(*fake.Sockets, port, head, body);
      raw.push_back(MicrosecondsSince(start));
    };
    if (i % 2 == 0) {
      timeClient();
      timeRaw();
    } else {
      timeRaw();
      timeClient();
    }
    if (!opened || !rawOk) {
      std::fprintf(stderr, "round %d failed (client %d, raw %d)\n", i, opened, rawOk);
      return 1;
    }
  }
  SysVar.reset();

  std::printf("roundtrip_rounds %d\nroundtrip_client_us %.1f\nroundtrip_raw_us %.1f\n", rounds,
              Median(client), Median(raw));
  return 0;
}
