// instancelock.h: a named lock held by one process at a time, freed by the
// system when its holder exits or dies.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class LockResult {
  Acquired,     // this object now holds the lock
  HeldByOther,  // another holder has it
  Unavailable,  // no lock could be made (folder or file unusable)
};

// On POSIX, an exclusive advisory lock on the file "<folder>/<name>.lock";
// on Windows, the mutex of that name, the folder unused. Testing and taking
// the lock is one atomic step, so of several processes that try at the same
// moment exactly one gets it. The file is never removed: removing it would
// let a late starter lock a fresh file while the holder still has the old
// one.
class InstanceLock {
 public:
  // Uses DefaultLockFolder() when `folder` is empty.
  explicit InstanceLock(std::string folder = {});
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // A name must be a plain file name: not empty, no '/' (no '\\' on
  // Windows), not "." or "..".
  // A lock already held is released first.
  LockResult Acquire(std::string_view name);
  void Release();

 private:
  std::string folder_;
  std::intptr_t held_ = -1;  // the system's handle of the held lock
};

// The folder for lock files: $XDG_RUNTIME_DIR when it is an absolute path to
// a directory of ours that others cannot write; otherwise a private folder
// "tessra-<uid>" in $TMPDIR (when absolute) or /tmp, created with mode 0700.
// Empty when no such folder exists or can be made. On Windows, where the
// lock is a named mutex, an empty path.
std::optional<std::string> DefaultLockFolder();

}  // namespace platform
