// instancelock_posix_test.cpp: the lock file on POSIX: its holder's id, and
// the folders and paths it must not trust.
#include "platform/instancelock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "support/tempdir.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh private folder (mode 0700) per test, removed afterwards.
class InstanceLockFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(temp_.IsValid()); }
  fs::path Sub(const std::string& name) const { return dir_ / name; }

  testsupport::TempDir temp_;
  const fs::path dir_ = temp_.Path();
};

// The file names the holder while held, and stays, emptied, after: so a
// late starter never locks a different file than the holder.
TEST_F(InstanceLockFileTest, HolderPidIsInTheFileWhileHeldAndFileStaysAfter) {
  InstanceLock lock(dir_.string());
  ASSERT_EQ(lock.Acquire("app"), LockResult::Acquired);
  EXPECT_EQ(ReadFile(Sub("app.lock")), std::to_string(getpid()) + "\n");
  EXPECT_EQ(fs::status(Sub("app.lock")).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  lock.Release();
  EXPECT_TRUE(fs::exists(Sub("app.lock")));
  EXPECT_EQ(ReadFile(Sub("app.lock")), "");
}

TEST_F(InstanceLockFileTest, NothingPlantedAtTheLockPathIsFollowedOrUsed) {
  fs::create_symlink(Sub("target"), Sub("dangling.lock"));
  std::ofstream(Sub("victim")) << "keep";
  fs::create_symlink(Sub("victim"), Sub("existing.lock"));
  fs::create_directory(Sub("dir.lock"));
  fs::create_directory(Sub("sub"));
  ASSERT_EQ(mkfifo(Sub("fifo.lock").c_str(), 0600), 0);

  InstanceLock lock(dir_.string());
  for (const char* name : {"dangling", "existing", "dir", "fifo", "", ".", "..", "sub/x"}) {
    EXPECT_EQ(lock.Acquire(name), LockResult::Unavailable) << '"' << name << '"';
  }
  EXPECT_FALSE(fs::exists(Sub("target"))) << "a link's target must not be created";
  EXPECT_EQ(ReadFile(Sub("victim")), "keep");
  EXPECT_FALSE(fs::exists(Sub("sub") / "x.lock"));
}

TEST_F(InstanceLockFileTest, UnfitFoldersGiveUnavailable) {
  fs::create_directory(Sub("open"));
  fs::permissions(Sub("open"), fs::perms::all);
  fs::create_directory(Sub("real"));
  fs::create_directory_symlink(Sub("real"), Sub("link"));
  std::ofstream(Sub("file")) << "";
  fs::create_directory(Sub("ro"));
  if (geteuid() == 0) {
    // Root writes anywhere; a folder owned by someone else stands in.
    ASSERT_EQ(chown(Sub("ro").c_str(), 65534, 65534), 0);
  } else {
    fs::permissions(Sub("ro"), fs::perms::owner_read | fs::perms::owner_exec);
  }
  for (const fs::path& folder : {Sub("missing"), Sub("file"), Sub("open"), Sub("link"),
                                 Sub("ro"), fs::path("relative")}) {
    InstanceLock lock(folder.string());
    EXPECT_EQ(lock.Acquire("app"), LockResult::Unavailable) << folder;
  }
  EXPECT_FALSE(fs::exists(Sub("open") / "app.lock"));
  EXPECT_FALSE(fs::exists(Sub("real") / "app.lock"));
}

// Sets an environment variable (unsets it for nullopt) for one scope.
struct ScopedEnv {
  ScopedEnv(const char* name, const std::optional<std::string>& value) : Name(name) {
    if (const char* old = std::getenv(name)) Old = old;
    Set(value);
  }
  ~ScopedEnv() { Set(Old); }
  void Set(const std::optional<std::string>& value) { value ? setenv(Name, value->c_str(), 1) : unsetenv(Name); }
  const char* Name;
  std::optional<std::string> Old;
};

TEST_F(InstanceLockFileTest, DefaultFolderPrefersAPrivateRuntimeFolder) {
  fs::create_directory(Sub("runtime"));
  ScopedEnv tmp("TMPDIR", dir_.string());
  std::string fallback = (dir_ / ("tessra-" + std::to_string(geteuid()))).string();
  {
    ScopedEnv runtime("XDG_RUNTIME_DIR", Sub("runtime").string());
    EXPECT_EQ(DefaultLockFolder(), Sub("runtime").string());
  }
  fs::permissions(Sub("runtime"), fs::perms::all);
  for (const std::optional<std::string>& value :
       {std::optional<std::string>(), std::optional<std::string>("runtime"),
        std::optional<std::string>(Sub("runtime").string())}) {
    ScopedEnv runtime("XDG_RUNTIME_DIR", value);
    EXPECT_EQ(DefaultLockFolder(), fallback) << value.value_or("(unset)");
  }
  const fs::file_status made = fs::symlink_status(fallback);
  EXPECT_TRUE(fs::is_directory(made));
  EXPECT_EQ(made.permissions(), fs::perms::owner_all);

  // A lock with no folder given uses it.
  ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
  InstanceLock lock;
  EXPECT_EQ(lock.Acquire("app"), LockResult::Acquired);
  EXPECT_TRUE(fs::exists(fs::path(fallback) / "app.lock"));
}

TEST_F(InstanceLockFileTest, DefaultFolderRefusesAPlantedTempFolder) {
  ScopedEnv tmp("TMPDIR", dir_.string());
  ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
  fs::path fallback = dir_ / ("tessra-" + std::to_string(geteuid()));
  fs::create_directory(Sub("elsewhere"));
  fs::create_directory_symlink(Sub("elsewhere"), fallback);
  EXPECT_EQ(DefaultLockFolder(), std::nullopt) << "a link in its place";
  fs::remove(fallback);

  fs::create_directory(fallback);
  fs::permissions(fallback, fs::perms::all);
  EXPECT_EQ(DefaultLockFolder(), std::nullopt) << "writable by others";
  InstanceLock lock;
  EXPECT_EQ(lock.Acquire("app"), LockResult::Unavailable);
}

}  // namespace
}  // namespace platform
