// A fake of the instance seam.
#include "support/fake_instances.h"

namespace porvan::testing {
namespace {

class FakeLock : public IInstanceLock {
 public:
  explicit FakeLock(int& held) : held_(held) { ++held_; }
  FakeLock(const FakeLock&) = delete;
  FakeLock& operator=(const FakeLock&) = delete;
  ~FakeLock() override { --held_; }

 private:
  int& held_;
};

}  // namespace

bool FakeInstances::IsRunning(const std::string& instance) {
  Asked.push_back(instance);
  return instance == Current || Running.count(instance) > 0;
}

std::unique_ptr<IInstanceLock> FakeInstances::ExclusiveLock(const TPath& /*path*/,
                                                            std::chrono::milliseconds /*wait*/) {
  if (HeldElsewhere) {
    return nullptr;
  }
  ++Locks;
  return std::make_unique<FakeLock>(LocksHeld);
}

}  // namespace porvan::testing
