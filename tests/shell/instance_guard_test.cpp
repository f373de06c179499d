// instance_guard_test.cpp: one copy at a time, across real processes: the
// guard against lock probes and a killed holder. The race of twenty copies
// is the real program's (real_program_test.cpp).
#include "shell/instance_guard.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "childprocess.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using namespace shelltest;

class InstanceGuardTest : public LockFolderTest {
 protected:
  std::unique_ptr<ChildProcess> StartProbe() {
    return std::make_unique<ChildProcess>(
        std::vector<std::string>{TESSRA_LOCK_PROBE, dir_, InstanceLockName()},
        std::vector<std::string>{});
  }
};

TEST_F(InstanceGuardTest, SecondGuardSeesTheFirstUntilItIsReleased) {
  InstanceGuard first(dir_);
  InstanceGuard second(dir_);
  EXPECT_FALSE(first.AnotherCopyRuns());
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
  EXPECT_TRUE(ExitedWith(StartProbe()->Wait(kStartTimeout), 1)) << "held by the guard now";
}

}  // namespace
}  // namespace shell
