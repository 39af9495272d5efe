// The instance seam: which running instance of the program this is, whether another one still
// runs, and a lock that one instance at a time holds.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/path.h"

namespace porvan {

// Held while it exists; the system releases it also when its holder is killed.
class IInstanceLock {
 public:
  virtual ~IInstanceLock() = default;
};

// Contract
// - An instance is named by a token of at most kInstanceTokenLimit printable ASCII bytes without
//   blanks. A process number alone is not a name: numbers are reused, so the token also carries
//   when the process started.
// - IsRunning answers false only when the named instance has surely ended (or the token is not
//   one CurrentInstance could have made); when it cannot tell, it answers true.
// - ExclusiveLock waits at most `wait` for the lock on `path` (a file it may create) and gives
//   nothing when another holder kept it that long or the file cannot be opened.
class IInstances {
 public:
  static constexpr std::size_t kInstanceTokenLimit = 96;

  virtual ~IInstances() = default;
  virtual std::string CurrentInstance() = 0;
  virtual bool IsRunning(const std::string& instance) = 0;
  virtual std::unique_ptr<IInstanceLock> ExclusiveLock(const TPath& path,
                                                       std::chrono::milliseconds wait) = 0;
};

}  // namespace porvan
