// The instance seam on Windows: a process id is reused soon after its process ends, so the
// instance is its id together with its creation time. The lock is a file opened without
// sharing and deleted on close: Windows closes it when its holder ends, however it ends.
#include "win32/win32_instances.h"

#include <windows.h>

#include <optional>

#include "common/instance_token.h"
#include "win32/handle.h"

namespace porvan {
namespace {

std::optional<std::uint64_t> CreationTime(HANDLE process) {
  FILETIME created{};
  FILETIME exited{};
  FILETIME kernel{};
  FILETIME user{};
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) {
    return std::nullopt;
  }
  return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

class TFileLock : public IInstanceLock {
 public:
  explicit TFileLock(HANDLE file) : file_(file) {}

 private:
  THandle file_;
};

}  // namespace

std::string TWin32Instances::CurrentInstance() {
  return FormatInstanceToken(
      {GetCurrentProcessId(), CreationTime(GetCurrentProcess()).value_or(0), {}});
}

bool TWin32Instances::IsRunning(const std::string& instance) {
  const std::optional<TInstanceToken> token = ParseInstanceToken(instance);
  if (!token || !token->Boot.empty() || token->Process > MAXDWORD) {
    return false;
  }
  THandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE,
                              static_cast<DWORD>(token->Process)));
  if (!process.valid()) {
    // No such process; any other refusal (another user's process) cannot be told apart.
    return GetLastError() != ERROR_INVALID_PARAMETER;
  }
  const std::optional<std::uint64_t> created = CreationTime(process.get());
  if (!created) {
    return true;
  }
  return *created == token->Started && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

std::unique_ptr<IInstanceLock> TWin32Instances::ExclusiveLock(const TPath& path,
                                                              std::chrono::milliseconds wait) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(wait.count());
  while (true) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      return std::make_unique<TFileLock>(file);
    }
    // Held by another instance, or still being deleted by its last holder.
    const DWORD error = GetLastError();
    if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) ||
        GetTickCount64() >= deadline) {
      return nullptr;
    }
    Sleep(10);
  }
}

}  // namespace porvan
