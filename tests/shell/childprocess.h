// childprocess.h: starting, watching and ending helper processes in tests.
#pragma once

#include <sys/types.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/instance_guard.h"

namespace shelltest {

class ChildProcess {
 public:
  // Starts the program at argv[0] with `env` entries ("NAME=value") added to
  // or replacing ours, and /dev/null for standard input. Pid() is -1 when
  // the start failed.
  explicit ChildProcess(const std::vector<std::string>& argv,
                        const std::vector<std::string>& env = {});
  // Kills and reaps a child that still runs.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Pid() const { return pid_; }
  bool Running();
  // The wait status once the child has ended within `timeout`.
  std::optional<int> Wait(std::chrono::milliseconds timeout);
  void Signal(int sig);

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

bool ExitedWith(const std::optional<int>& status, int code);

// Waits until the lock file at `path` names `pid` as its holder.
bool WaitForHolder(const std::string& path, pid_t pid,
                   std::chrono::milliseconds timeout);

// Waits up to `timeout` until at most one of `children` runs; returns how
// many still do.
long WaitTillOneRuns(std::vector<std::unique_ptr<ChildProcess>>& children,
                     std::chrono::milliseconds timeout);

// Generous: sanitizer builds on a busy machine start slowly.
inline constexpr std::chrono::seconds kStartTimeout{120};

// A private folder for the program's lock, removed after each test.
class LockFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(temp_.isValid()); }

  QTemporaryDir temp_;
  const std::string dir_ = temp_.path().toStdString();
  const std::string lockPath_ = dir_ + "/" + shell::InstanceLockName() + ".lock";  // the program's lock
};

}  // namespace shelltest
