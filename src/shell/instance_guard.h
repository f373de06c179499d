// instance_guard.h: the program's single-instance guard, the lock every copy
// of the program tries to take at start.
#pragma once

#include <string>
#include <string_view>

#include "platform/instancelock.h"

namespace shell {

// The name copies of the program share: a GUID in registry form.
inline constexpr std::string_view kInstanceMutexName =
    "{3F6A2C10-5B7D-11D6-A4E2-6D0B19C45A83}";

// The lock's name: on Windows the mutex's, the GUID alone; elsewhere the
// file's without ".lock", the program name in front keeping the file
// recognisable in a runtime folder shared with other programs.
std::string InstanceLockName();

class InstanceGuard {
 public:
  // `folder` is for tests; empty means the user's runtime or temp folder.
  explicit InstanceGuard(std::string folder = {});

  // Tries to take the guard. True when another copy holds it: the caller
  // ends at once. When no lock can be made at all the program runs
  // unguarded, so that is false as well.
  bool AnotherCopyRuns();
  void Release() { lock_.Release(); }

 private:
  platform::InstanceLock lock_;
};

}  // namespace shell
