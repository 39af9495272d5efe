// The instance seam on Windows: process id with its creation time; a file opened for no sharing.
#pragma once

#include "platform/instances.h"

namespace porvan {

class TWin32Instances : public IInstances {
 public:
  std::string CurrentInstance() override;
  bool IsRunning(const std::string& instance) override;
  std::unique_ptr<IInstanceLock> ExclusiveLock(const TPath& path,
                                               std::chrono::milliseconds wait) override;
};

}  // namespace porvan
