// Benchmark: the round trip of an open request through TFormPostClient over https and over
// plain http, alternately, against the loopback servers of tools/tlsserver (one server program
// for both, so the difference is TLS). Prints the medians as "key value" lines.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "http/form_post_client.h"
#include "posix/posix_socket_factory.h"

namespace {

using namespace porvan;
using porvan::bench::Median;
using Clock = std::chrono::steady_clock;

// One open request; its time in microseconds, or a negative number when it failed.
double TimedPost(TFormPostClient& client, const std::string& url) {
  const auto start = Clock::now();
  const TPostResult result = client.PostForm(
      url, {{"mode=", "open_request"}, {"protocol=", "FTP"}, {"query=", "example.com"}});
  const double micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
  return result.Ok() && !result.Body.empty() ? micros : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: bench_https ROUNDS CA_PEM HTTP_PORT HTTPS_PORT\n");
    return 2;
  }
  const int rounds = std::max(1, std::atoi(argv[1]));
  TPosixSocketFactory sockets(TTrustedRoots{argv[2]});
  TFormPostClient client(sockets);
  client.UserAgent = "Vindra Porvan Client";
  const std::string http = std::string("http://127.0.0.1:") + argv[3] + "/porvan.php";
  const std::string https = std::string("https://localhost:") + argv[4] + "/porvan.php";

  std::vector<double> plain;
  std::vector<double> secure;
  for (int i = 0; i < rounds; ++i) {
    // Each round runs both, in turns first, so neither gains from following the other.
    const bool secureFirst = i % 2 == 0;
    const double first = TimedPost(client, secureFirst ? https : http);
    const double second = TimedPost(client, secureFirst ? http : https);
    if (first < 0 || second < 0) {
      std::fprintf(stderr, "round %d failed\n", i);
      return 1;
    }
    secure.push_back(secureFirst ? first : second);
    plain.push_back(secureFirst ? second : first);
  }
  std::printf("https_rounds %d\nroundtrip_http_us %.1f\nroundtrip_https_us %.1f\n", rounds,
              Median(plain), Median(secure));
  return 0;
}
