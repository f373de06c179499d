// instance_guard.cpp: the single-instance guard on the named lock.
#include "shell/instance_guard.h"

#include <utility>

namespace shell {

std::string InstanceLockName() {
  return "tessra-" + std::string(kInstanceMutexName);
}

InstanceGuard::InstanceGuard(std::string folder) : lock_(std::move(folder)) {}

bool InstanceGuard::AnotherCopyRuns() {
  return lock_.Acquire(InstanceLockName()) == platform::LockResult::HeldByOther;
}

}  // namespace shell
