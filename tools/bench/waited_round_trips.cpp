// Benchmark: what a program's wait adds to an open request, against the calling thread.
#include "waited_round_trips.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "bench_timing.h"
#include "server/remote_server_con.h"
#include "support/fake_platform.h"
#include "support/loopback_server.h"

namespace porvan::bench {
namespace {

bool TimeServer(IGuiWait& wait, const std::string& key, const std::string& url,
                const std::string& domain, int rounds) {
  testing::TFakePlatform fake;
  TCallingThreadWait callingThread;
  TRemoteServerCon waited(*fake.Sockets, fake.Messages, wait, url);
  TRemoteServerCon direct(*fake.Sockets, fake.Messages, callingThread, url);
  std::vector<double> waitedTimes;
  std::vector<double> directTimes;
  const std::function<bool()> measures[] = {
      [&] { return Timed(waitedTimes, [&] { return waited.OpenFTP(domain); }); },
      [&] { return Timed(directTimes, [&] { return direct.OpenFTP(domain); }); }};
  // A request to warm the connection path up, not counted.
  if (!direct.OpenFTP(domain)) {
    std::fprintf(stderr, "%s: the open request to %s failed\n", key.c_str(), url.c_str());
    return false;
  }
  for (int i = 0; i < rounds; ++i) {
    for (int k = 0; k < 2; ++k) {
      if (!measures[(i + k) % 2]()) {
        std::fprintf(stderr, "%s: round %d failed\n", key.c_str(), i);
        return false;
      }
    }
  }
  // The two requests of a round ran back to back, so the machine's load moved both alike: the
  // ratio within a round is what is compared.
  std::vector<double> ratios;
  for (std::size_t i = 0; i < waitedTimes.size(); ++i) {
    ratios.push_back(waitedTimes[i] / directTimes[i]);
  }
  std::printf("%s_waited_us %.1f\n%s_calling_us %.1f\n%s_ratio %.4f\n", key.c_str(),
              Median(waitedTimes), key.c_str(), Median(directTimes), key.c_str(), Median(ratios));
  return true;
}

void TimeBareHandOff(const TWaitUnderTest& wait, int rounds) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    Timed(times, [&] {
      wait.BareHandOff();
      return true;
    });
  }
  std::printf("%s_handoff_us %.1f\n", wait.Platform.c_str(), Median(times));
}

}  // namespace

bool PrintWaitedRoundTrips(const TWaitUnderTest& wait, const std::string& serverUrl,
                           const std::string& domain, int rounds) {
  const std::string reply =
      "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nSUCCESS:Access_opened:FTP:" + domain;
  testing::TLoopbackServer atOnce(
      std::vector<testing::TServerTurn>(2 * rounds + 1, testing::TServerTurn{reply}));
  if (!atOnce.Listening()) {
    std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
    return false;
  }
  std::printf("%s_wait_rounds %d\n", wait.Platform.c_str(), rounds);
  const bool measured =
      TimeServer(wait.Wait, wait.Platform + "_at_once", atOnce.Url("/porvan.php"), domain,
                 rounds) &&
      TimeServer(wait.Wait, wait.Platform + "_devserver", serverUrl, domain, rounds);
  TimeBareHandOff(wait, rounds);
  return measured;
}

int RunWaitBench(const TWaitUnderTest& wait, int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <development server URL> <domain> [rounds]\n", argv[0]);
    return 2;
  }
  const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 500;
  const bool measured = PrintWaitedRoundTrips(wait, argv[1], argv[2], rounds);
  std::fflush(stdout);
  return measured ? 0 : 1;
}

}  // namespace porvan::bench
