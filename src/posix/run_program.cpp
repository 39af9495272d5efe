// Running a helper program with posix_spawnp and reading its standard output.
#include "posix/run_program.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace porvan {

namespace {

// Both ends of a pipe, closed on every path.
class TPipe {
 public:
  TPipe() { valid_ = ::pipe(ends_) == 0; }
  TPipe(const TPipe&) = delete;
  TPipe& operator=(const TPipe&) = delete;
  ~TPipe() {
    CloseRead();
    CloseWrite();
  }
  bool Valid() const { return valid_; }
  int Read() const { return ends_[0]; }
  int Write() const { return ends_[1]; }
  void CloseRead() { Close(ends_[0]); }
  void CloseWrite() { Close(ends_[1]); }

 private:
  static void Close(int& fd) {
    if (fd >= 0) {
      ::close(fd);
      fd = -1;
    }
  }
  int ends_[2] = {-1, -1};
  bool valid_ = false;
};

class TSpawnActions {
 public:
  TSpawnActions() { ::posix_spawn_file_actions_init(&actions_); }
  TSpawnActions(const TSpawnActions&) = delete;
  TSpawnActions& operator=(const TSpawnActions&) = delete;
  ~TSpawnActions() { ::posix_spawn_file_actions_destroy(&actions_); }
  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

}  // namespace

std::optional<TProgramRun> RunProgram(const std::vector<std::string>& arguments) {
  if (arguments.empty()) {
    return std::nullopt;
  }
  TPipe output;
  if (!output.Valid()) {
    return std::nullopt;
  }
  TSpawnActions actions;
  ::posix_spawn_file_actions_adddup2(actions.get(), output.Write(), STDOUT_FILENO);
  ::posix_spawn_file_actions_addclose(actions.get(), output.Read());
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  pid_t child = 0;
  if (::posix_spawnp(&child, argv[0], actions.get(), nullptr, argv.data(), environ) != 0) {
    return std::nullopt;
  }
  output.CloseWrite();
  TProgramRun run;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(output.Read(), buffer, sizeof buffer);
    if (got > 0) {
      run.Output.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  int status = 0;
  pid_t waited = 0;
  do {
    waited = ::waitpid(child, &status, 0);
  } while (waited < 0 && errno == EINTR);
  if (waited != child) {
    return std::nullopt;
  }
  run.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace porvan
