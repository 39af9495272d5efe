// The instance seam on Linux: real processes and real locks.
#include "posix/posix_instances.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/instance_token.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;

TEST(PosixInstancesTest, ThisInstanceRunsAndAnEndedOneDoesNot) {
  TPosixInstances instances;
  const std::string self = instances.CurrentInstance();
  EXPECT_TRUE(instances.IsRunning(self));
  EXPECT_EQ(self, instances.CurrentInstance());

  const std::optional<TInstanceToken> token = ParseInstanceToken(self);
  ASSERT_TRUE(token.has_value());
  EXPECT_EQ(token->Process, static_cast<std::uint64_t>(getpid()));
  EXPECT_FALSE(token->Boot.empty());

  // The same process number with another start is a process that ended, its number reused.
  TInstanceToken reused = *token;
  reused.Started += 1;
  EXPECT_FALSE(instances.IsRunning(FormatInstanceToken(reused)));
  TInstanceToken earlierBoot = *token;
  earlierBoot.Boot = "0000";
  EXPECT_FALSE(instances.IsRunning(FormatInstanceToken(earlierBoot)));
  EXPECT_FALSE(instances.IsRunning("not a token"));

  // A child that has ended and been reaped.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    _exit(0);
  }
  TInstanceToken ended = *token;
  ended.Process = static_cast<std::uint64_t>(child);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_FALSE(instances.IsRunning(FormatInstanceToken(ended)));
}

TEST(PosixInstancesTest, OneHolderAtATime) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("porvan-lock-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "Porvan.journal.lock").string();
  TPosixInstances instances;
  {
    std::unique_ptr<IInstanceLock> held = instances.ExclusiveLock(path, 0ms);
    ASSERT_NE(held, nullptr);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(instances.ExclusiveLock(path, 50ms), nullptr);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 50ms);
  }
  EXPECT_NE(instances.ExclusiveLock(path, 0ms), nullptr);
  EXPECT_EQ(instances.ExclusiveLock((folder / "missing" / "x.lock").string(), 0ms), nullptr);

  // A holder that is killed leaves the lock to the next one.
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    std::unique_ptr<IInstanceLock> lock = TPosixInstances().ExclusiveLock(path, 1000ms);
    const char taken = lock ? '1' : '0';
    if (write(ready[1], &taken, 1) != 1) {
      _exit(1);
    }
    pause();
    _exit(0);
  }
  char taken = 0;
  ASSERT_EQ(read(ready[0], &taken, 1), 1);
  EXPECT_EQ(taken, '1');
  EXPECT_EQ(instances.ExclusiveLock(path, 20ms), nullptr);
  kill(holder, SIGKILL);
  int status = 0;
  waitpid(holder, &status, 0);
  EXPECT_NE(instances.ExclusiveLock(path, 0ms), nullptr);
  close(ready[0]);
  close(ready[1]);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace porvan
