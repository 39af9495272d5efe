// The signals through a pipe: the handler only writes one byte, the notifier reads it on the GUI
// thread, where the form logic may run.
#include "qt/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace porvan {
namespace {

std::array<int, 2> signalPipe = {-1, -1};
constexpr std::array<int, 2> kSignals = {SIGTERM, SIGHUP};

void OnSignal(int /*signal*/) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

TTerminationSignals::TTerminationSignals(std::function<void()> onSignal)
    : onSignal_(std::move(onSignal)) {
  if (::pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
    return;
  }
  notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
    char byte = 0;
    while (::read(signalPipe[0], &byte, 1) == 1) {
      onSignal_();
    }
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  ::sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) {
    ::sigaction(signal, &action, nullptr);
  }
}

TTerminationSignals::~TTerminationSignals() {
  for (const int signal : kSignals) {
    ::signal(signal, SIG_DFL);
  }
  notifier_.reset();
  for (int& fd : signalPipe) {
    if (fd >= 0) {
      ::close(fd);
      fd = -1;
    }
  }
}

}  // namespace porvan
