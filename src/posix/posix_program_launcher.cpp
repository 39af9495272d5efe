// The program-start seam on POSIX systems: a double fork, so nothing waits for the program.
#include "posix/posix_program_launcher.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace porvan {
namespace {

// Runs in the forked child: only async-signal-safe calls from here on.
[[noreturn]] void StartGrandchild(char* const* arguments, int reportFd) {
  ::setsid();
  const pid_t grandchild = ::fork();
  if (grandchild == 0) {
    ::execv(arguments[0], arguments);
    const int error = errno;
    // The exec failed: tell the parent through the pipe that exec would have closed.
    [[maybe_unused]] const ssize_t written = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
  }
  ::_exit(grandchild < 0 ? 1 : 0);
}

}  // namespace

bool StartDetached(const std::vector<TPath>& arguments) {
  if (arguments.empty()) {
    return false;
  }
  // Made before the fork: the child may not allocate.
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const TPath& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    return false;
  }
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(report[0]);
    StartGrandchild(argv.data(), report[1]);
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
