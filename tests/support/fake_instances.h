// A fake of the instance seam: this instance's token, the set of running ones, a lock that can
// be held by "another instance".
#pragma once

#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/instances.h"

namespace porvan::testing {

class FakeInstances : public IInstances {
 public:
  std::string Current = "100-5000";
  std::set<std::string> Running;   // besides Current
  bool HeldElsewhere = false;      // the lock is had by another instance for longer than the wait
  std::vector<std::string> Asked;  // the instances IsRunning was asked about
  int Locks = 0;                   // locks given out
  int LocksHeld = 0;               // of them, held now

  std::string CurrentInstance() override { return Current; }
  bool IsRunning(const std::string& instance) override;
  std::unique_ptr<IInstanceLock> ExclusiveLock(const TPath& path,
                                               std::chrono::milliseconds wait) override;
};

}  // namespace porvan::testing
