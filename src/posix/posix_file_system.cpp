// The file seam on POSIX systems: stream reads, write-beside-then-rename writes.
#include "posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <limits>

namespace porvan {
namespace {

class TFileDescriptor {
 public:
  explicit TFileDescriptor(int fd) : fd_(fd) {}
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  ~TFileDescriptor() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  int get() const { return fd_; }
  // Closes now and reports whether the close, the last chance for a write error, succeeded.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written <= 0) {
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::optional<std::string> TPosixFileSystem::LoadFile(const TPath& path) {
  return LoadFileHead(path, std::numeric_limits<std::size_t>::max());
}

std::optional<std::string> TPosixFileSystem::LoadFileHead(const TPath& path, std::size_t limit) {
  if (!IsFile(path)) {
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  std::string bytes;
  char buffer[16384];
  while (bytes.size() < limit && in) {
    const std::size_t wanted = std::min(sizeof buffer, limit - bytes.size());
    in.read(buffer, static_cast<std::streamsize>(wanted));
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) {
    return std::nullopt;
  }
  return bytes;
}

bool TPosixFileSystem::SaveFile(const TPath& path, std::string_view bytes) {
  const std::string temporary = path.native() + ".new";
  TFileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (fd.get() < 0) {
    return false;
  }
  if (!WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.Close() ||
      ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

bool TPosixFileSystem::IsFile(const TPath& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::uint64_t> TPosixFileSystem::FileSize(const TPath& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(info.st_size);
}

bool TPosixFileSystem::RemoveFile(const TPath& path) {
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool TPosixFileSystem::RenameFile(const TPath& from, const TPath& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace porvan
