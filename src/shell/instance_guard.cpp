// instance_guard.cpp: the single-instance guard on the named lock.
#include "shell/instance_guard.h"

#include <utility>

namespace shell {

std::string InstanceLockName() {
#if defined(_WIN32)
  return std::string(kInstanceMutexName);
#else
  return "tessra-" + std::string(kInstanceMutexName);
#endif
}

InstanceGuard::InstanceGuard(std::string folder) : lock_(std::move(folder)) {}

bool InstanceGuard::AnotherCopyRuns() {
  return lock_.Acquire(InstanceLockName()) == platform::LockResult::HeldByOther;
}

}  // namespace shell
