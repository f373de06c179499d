// instance_guard_test.cpp: one copy at a time, across real processes: the
// guard against lock probes, a killed holder, and twenty probes racing.
#include "shell/instance_guard.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "childprocess.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using shelltest::ChildProcess;
using shelltest::ExitedWith;
using shelltest::kStartTimeout;
using shelltest::LockFolderTest;
using shelltest::WaitForHolder;
using std::chrono::milliseconds;

class InstanceGuardTest : public LockFolderTest {
 protected:
  std::unique_ptr<ChildProcess> StartProbe(int stdinFd = -1) {
    return std::make_unique<ChildProcess>(
        std::vector<std::string>{TESSRA_LOCK_PROBE, dir_, InstanceLockName()},
        std::vector<std::string>{}, stdinFd);
  }
};

TEST_F(InstanceGuardTest, SecondGuardSeesTheFirstUntilItIsReleased) {
  InstanceGuard first(dir_);
  InstanceGuard second(dir_);
  EXPECT_FALSE(first.AnotherCopyRuns());
  EXPECT_TRUE(first.Held());
  EXPECT_TRUE(fs::exists(lockPath_));
  EXPECT_TRUE(second.AnotherCopyRuns());
  first.Release();
  EXPECT_FALSE(second.AnotherCopyRuns());
}

TEST_F(InstanceGuardTest, LockOfAKilledHolderIsFreed) {
  InstanceGuard guard(dir_);
  auto probe = StartProbe();
  ASSERT_TRUE(WaitForHolder(lockPath_, probe->Pid(), kStartTimeout));
  EXPECT_TRUE(guard.AnotherCopyRuns());
  EXPECT_TRUE(ExitedWith(StartProbe()->Wait(kStartTimeout), 1)) << "held by the first";

  probe->Signal(SIGKILL);
  ASSERT_TRUE(probe->Wait(kStartTimeout));
  EXPECT_FALSE(guard.AnotherCopyRuns());
  EXPECT_TRUE(guard.Held());
}

TEST_F(InstanceGuardTest, TwentyProbesReleasedTogetherLeaveExactlyOneHolder) {
  constexpr int kProbes = 20;
  int gate[2];
  ASSERT_EQ(pipe2(gate, O_CLOEXEC), 0);  // no probe may keep the write end
  std::vector<std::unique_ptr<ChildProcess>> probes;
  for (int i = 0; i < kProbes; ++i) probes.push_back(StartProbe(gate[0]));
  close(gate[0]);
  close(gate[1]);  // every probe sees the end of input now and tries at once

  ASSERT_EQ(shelltest::WaitTillOneRuns(probes, kStartTimeout), 1);
  for (auto& probe : probes) {
    if (probe->Running()) {
      EXPECT_TRUE(WaitForHolder(lockPath_, probe->Pid(), kStartTimeout));
    } else {
      EXPECT_TRUE(ExitedWith(probe->Wait(milliseconds(0)), 1));
    }
  }
}

}  // namespace
}  // namespace shell
