// The program-start seam on POSIX systems: a double fork, so nothing waits for the program.
#include "posix/posix_program_launcher.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace porvan {
namespace {

// Runs in the forked child: only async-signal-safe calls from here on.
[[noreturn]] void StartGrandchild(const char* path, int reportFd) {
  ::setsid();
  const pid_t grandchild = ::fork();
  if (grandchild == 0) {
    char* const arguments[] = {const_cast<char*>(path), nullptr};
    ::execv(path, arguments);
    const int error = errno;
    // The exec failed: tell the parent through the pipe that exec would have closed.
    [[maybe_unused]] const ssize_t written = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
  }
  ::_exit(grandchild < 0 ? 1 : 0);
}

}  // namespace

bool TPosixProgramLauncher::Open(const TPath& path) {
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    return false;
  }
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(report[0]);
    StartGrandchild(path.c_str(), report[1]);
  }
  ::close(report[1]);
  int status = 0;
  const bool forked = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                      WEXITSTATUS(status) == 0;
  int error = 0;
  ssize_t got = 0;
  do {
    got = ::read(report[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  return forked && got == 0;
}

}  // namespace porvan
