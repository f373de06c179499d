// instancelock_win32.cpp: the single-instance lock on Windows: a named mutex
// in the session's namespace, as the program's design has it. The name is
// the mutex's own; the folder is not used.
#include <windows.h>

#include "platform/instancelock.h"

namespace platform {
namespace {

bool IsPlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace

InstanceLock::InstanceLock(std::string folder) : folder_(std::move(folder)) {}

InstanceLock::~InstanceLock() { Release(); }

LockResult InstanceLock::Acquire(std::string_view name) {
  Release();
  if (!IsPlainName(name)) return LockResult::Unavailable;
  const std::string mutexName(name);
  // Another copy holds the name: leave it alone, and let the system close
  // the handle just opened.
  if (HANDLE other = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, mutexName.c_str())) {
    CloseHandle(other);
    return LockResult::HeldByOther;
  }
  HANDLE mutex = CreateMutexA(nullptr, TRUE, mutexName.c_str());
  // A copy run as administrator holds a mutex this one may not open.
  if (mutex == nullptr) return GetLastError() == ERROR_ACCESS_DENIED ? LockResult::HeldByOther : LockResult::Unavailable;
  // Two copies that both found no mutex a moment ago: the later creation
  // opens the earlier one's, and only the first keeps running.
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return LockResult::HeldByOther;
  }
  held_ = reinterpret_cast<std::intptr_t>(mutex);
  return LockResult::Acquired;
}

void InstanceLock::Release() {
  if (held_ == -1) return;
  HANDLE mutex = reinterpret_cast<HANDLE>(held_);
  ReleaseMutex(mutex);
  CloseHandle(mutex);
  held_ = -1;
}

// Named mutexes need no folder.
std::optional<std::string> DefaultLockFolder() { return std::string(); }

}  // namespace platform
