// instancelock_test.cpp: the named lock within one process: taking, refusing
// and releasing, on every system.
#include "platform/instancelock.h"

#include <gtest/gtest.h>

#include <string>

#include "support/tempdir.h"

#if defined(_WIN32)
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace platform {
namespace {

// A private folder per test, where the lock is a file; on Windows the names
// are the session's, so each carries the test process's id.
class InstanceLockTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(temp_.IsValid()); }
  static std::string Name(const std::string& name) { return name + "-" + std::to_string(getpid()); }

  testsupport::TempDir temp_;
  const std::string dir_ = temp_.Path().string();
};

TEST_F(InstanceLockTest, OneHolderAtATimeUntilReleasedOrDestroyed) {
  InstanceLock first(dir_);
  InstanceLock second(dir_);
  EXPECT_EQ(first.Acquire(Name("app")), LockResult::Acquired);
  EXPECT_EQ(second.Acquire(Name("app")), LockResult::HeldByOther);
  EXPECT_EQ(second.Acquire(Name("other")), LockResult::Acquired) << "names are independent";
  first.Release();
  EXPECT_EQ(InstanceLock(dir_).Acquire(Name("app")), LockResult::Acquired)
      << "a refused attempt holds nothing";
  EXPECT_EQ(second.Acquire(Name("app")), LockResult::Acquired);
  {
    InstanceLock scoped(dir_);
    EXPECT_EQ(scoped.Acquire(Name("scoped")), LockResult::Acquired);
  }
  EXPECT_EQ(first.Acquire(Name("scoped")), LockResult::Acquired);
}

}  // namespace
}  // namespace platform
