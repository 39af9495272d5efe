// The instance seam on Linux: /proc tells a process's start (in clock ticks since the boot that
// /proc/sys/kernel/random/boot_id names); flock on an open file is released when its holder
// ends, however it ends.
#include "posix/posix_instances.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "common/instance_token.h"

namespace porvan {
namespace {

std::string BootId() {
  std::ifstream in("/proc/sys/kernel/random/boot_id");
  std::string id;
  std::getline(in, id);
  return id;
}

struct TProcessStat {
  char State = '?';
  std::uint64_t Started = 0;
};

// Fields 3 (state) and 22 (start time) of /proc/<pid>/stat; the command name in field 2 may
// hold blanks and parentheses, so the fields are counted from its last ")".
std::optional<TProcessStat> ReadStat(std::uint64_t process) {
  std::ifstream in("/proc/" + std::to_string(process) + "/stat");
  std::string line;
  if (!std::getline(in, line)) {
    return std::nullopt;
  }
  const std::size_t nameEnd = line.rfind(')');
  if (nameEnd == std::string::npos) {
    return std::nullopt;
  }
  std::istringstream fields(line.substr(nameEnd + 1));
  TProcessStat stat;
  std::string skipped;
  fields >> stat.State;
  for (int field = 4; field < 22 && fields >> skipped; ++field) {
  }
  if (!(fields >> stat.Started)) {
    return std::nullopt;
  }
  return stat;
}

class TFlockLock : public IInstanceLock {
 public:
  explicit TFlockLock(int fd) : fd_(fd) {}
  TFlockLock(const TFlockLock&) = delete;
  TFlockLock& operator=(const TFlockLock&) = delete;
  ~TFlockLock() override { ::close(fd_); }

 private:
  int fd_;
};

}  // namespace

std::string TPosixInstances::CurrentInstance() {
  const auto self = static_cast<std::uint64_t>(::getpid());
  const std::optional<TProcessStat> stat = ReadStat(self);
  return FormatInstanceToken({self, stat ? stat->Started : 0, BootId()});
}

bool TPosixInstances::IsRunning(const std::string& instance) {
  const std::optional<TInstanceToken> token = ParseInstanceToken(instance);
  if (!token) {
    return false;
  }
  const std::string boot = BootId();
  if (boot.empty() || !ReadStat(static_cast<std::uint64_t>(::getpid()))) {
    return true;  // without /proc nothing can be told
  }
  if (token->Boot != boot) {
    return false;  // every process of an earlier boot has ended
  }
  const std::optional<TProcessStat> stat = ReadStat(token->Process);
  return stat && stat->Started == token->Started && stat->State != 'Z';
}

std::unique_ptr<IInstanceLock> TPosixInstances::ExclusiveLock(const TPath& path,
                                                              std::chrono::milliseconds wait) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) {
    return nullptr;
  }
  auto lock = std::make_unique<TFlockLock>(fd);
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      return nullptr;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return lock;
}

}  // namespace porvan
