// The instance seam on Linux: process number, start time since boot and boot id; flock locks.
#pragma once

#include "platform/instances.h"

namespace porvan {

class TPosixInstances : public IInstances {
 public:
  std::string CurrentInstance() override;
  bool IsRunning(const std::string& instance) override;
  std::unique_ptr<IInstanceLock> ExclusiveLock(const TPath& path,
                                               std::chrono::milliseconds wait) override;
};

}  // namespace porvan
