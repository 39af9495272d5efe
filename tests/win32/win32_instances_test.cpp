// The instance seam on Windows: real processes, reused ids, and the lock file.
#include "win32/win32_instances.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "common/instance_token.h"
#include "win32/wide_text.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;

std::uint64_t CreatedAt(HANDLE process) {
  FILETIME created{}, exited{}, kernel{}, user{};
  EXPECT_TRUE(GetProcessTimes(process, &created, &exited, &kernel, &user));
  return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

TEST(Win32InstancesTest, AnInstanceRunsUntilItEndsAndItsIdAloneNamesNothing) {
  TWin32Instances instances;
  const std::string self = instances.CurrentInstance();
  EXPECT_TRUE(instances.IsRunning(self));
  const std::optional<TInstanceToken> token = ParseInstanceToken(self);
  ASSERT_TRUE(token.has_value());
  EXPECT_EQ(token->Process, GetCurrentProcessId());
  EXPECT_EQ(token->Started, CreatedAt(GetCurrentProcess()));
  EXPECT_FALSE(instances.IsRunning(FormatInstanceToken({token->Process, token->Started + 1, ""})));
  EXPECT_FALSE(instances.IsRunning(self + "-boot"));
  EXPECT_FALSE(instances.IsRunning("garbage"));

  // Another process, held suspended so it cannot end on its own, then killed.
  const std::wstring exe = testing::TestExecutableFolder() + L"..\\record_run.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + exe + L"\"";
  ASSERT_TRUE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                             CREATE_SUSPENDED, nullptr, nullptr, &startup, &info));
  const std::string other = FormatInstanceToken({info.dwProcessId, CreatedAt(info.hProcess), ""});
  EXPECT_TRUE(instances.IsRunning(other));
  TerminateProcess(info.hProcess, 9);
  WaitForSingleObject(info.hProcess, 10000);
  // Ended, though a handle still holds the process object.
  EXPECT_FALSE(instances.IsRunning(other));
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  EXPECT_FALSE(instances.IsRunning(other));
}

TEST(Win32InstancesTest, OneHolderAtATimeAndNoFileLeftBehind) {
  testing::TTempFolder folder(L"porvan-lock");
  const TPath path(folder.Path() + L"Porvan.journal.lock");
  TWin32Instances instances;
  {
    std::unique_ptr<IInstanceLock> held = instances.ExclusiveLock(path, 0ms);
    ASSERT_NE(held, nullptr);
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(instances.ExclusiveLock(path, 100ms), nullptr);
    EXPECT_GE(GetTickCount64() - start, 90u);
  }
  EXPECT_FALSE(testing::FileExists(path.native()));
  EXPECT_NE(instances.ExclusiveLock(path, 0ms), nullptr);
  EXPECT_EQ(instances.ExclusiveLock(folder.Path() + L"missing\\x.lock", 0ms), nullptr);
}

}  // namespace
}  // namespace porvan
