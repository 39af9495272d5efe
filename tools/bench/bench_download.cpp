// Downloads one URL with TNxURLDownload (redirect probe, then the libcurl transfer) into a
// folder and prints the seconds the whole Download call took.
#include <chrono>
#include <cstdio>
#include <memory>

#include "posix/posix_socket_factory.h"
#include "posix/posix_url_transfer.h"
#include "support/thread_gui_wait.h"
#include "update/url_download.h"

int main(int argc, char** argv) {
  using namespace porvan;
  if (argc != 3) {
    std::fprintf(stderr, "usage: bench_download URL SAVE_DIR\n");
    return 2;
  }
  TPosixSocketFactory sockets;
  TCurlUrlTransfer transfer;
  TThreadGuiWait waits;
  TNxURLDownload download(sockets, transfer, waits);
  download.SetURL(argv[1]);
  download.SaveDir = argv[2];
  const auto start = std::chrono::steady_clock::now();
  const bool ok = download.Download();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  if (!ok) {
    std::fprintf(stderr, "download failed: %s\n", download.URLDownload.ErrorText.c_str());
    return 1;
  }
  std::printf("%.6f\n", took.count());
  return 0;
}
