// instancelock_posix.cpp: the single-instance lock on POSIX: flock() on a file in a
// folder only we can write.
#include "platform/instancelock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

namespace platform {

namespace {

// A folder is fit for lock files when it is a real directory (not a symbolic
// link), ours, and closed to writes by others: anyone who could write there
// could plant the lock file first and hold it, or swap it for a link.
int OpenPrivateFolder(const std::string& path) {
  if (path.empty() || path.front() != '/') return -1;
  int dir = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (dir < 0) return -1;
  struct stat st {};
  if (fstat(dir, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid() ||
      (st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    close(dir);
    return -1;
  }
  return dir;
}

bool IsPrivateFolder(const std::string& path) {
  int dir = OpenPrivateFolder(path);
  if (dir < 0) return false;
  close(dir);
  return true;
}

bool IsPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find('/') == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

// The holder keeps its process id in the file, for people and tests looking
// at a running copy. The lock does not depend on it, so a failed write is
// only reported, not acted on.
bool WriteHolderText(int fd, const std::string& text) {
  if (ftruncate(fd, 0) != 0) return false;
  return text.empty() || pwrite(fd, text.data(), text.size(), 0) ==
                             static_cast<ssize_t>(text.size());
}

// Takes the lock on an open file: 0 on success, else the errno of flock().
int LockExclusive(int fd) {
  while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EINTR) return errno;
  }
  return 0;
}

}  // namespace

namespace {

int OpenLockFolder(const std::string& chosen) {
  if (!chosen.empty()) return OpenPrivateFolder(chosen);
  std::optional<std::string> folder = DefaultLockFolder();
  return folder ? OpenPrivateFolder(*folder) : -1;
}

}  // namespace

InstanceLock::InstanceLock(std::string folder) : folder_(std::move(folder)) {}

InstanceLock::~InstanceLock() { Release(); }


LockResult InstanceLock::Acquire(std::string_view name) {
  Release();
  if (!IsPlainFileName(name)) return LockResult::Unavailable;
  int dir = OpenLockFolder(folder_);
  if (dir < 0) return LockResult::Unavailable;

  // O_NOFOLLOW: a symbolic link at the lock path is refused, never followed,
  // so no other file is created or locked in its place. O_NONBLOCK keeps a
  // planted FIFO from stalling the open.
  std::string fileName = std::string(name) + ".lock";
  int fd = openat(dir, fileName.c_str(),
                  O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
  close(dir);
  if (fd < 0) return LockResult::Unavailable;

  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
    close(fd);
    return LockResult::Unavailable;
  }
  // Test and take in one call: of two processes racing here, one fails.
  int error = LockExclusive(fd);
  if (error != 0) {
    close(fd);
    return error == EWOULDBLOCK ? LockResult::HeldByOther
                                : LockResult::Unavailable;
  }
  WriteHolderText(fd, std::to_string(getpid()) + "\n");
  held_ = fd;
  return LockResult::Acquired;
}

void InstanceLock::Release() {
  if (held_ < 0) return;
  // Emptied, not removed (see the header); closing drops the lock.
  const int fd = static_cast<int>(held_);
  WriteHolderText(fd, "");
  close(fd);
  held_ = -1;
}

std::optional<std::string> DefaultLockFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && IsPrivateFolder(runtime)) return std::string(runtime);

  const char* tmp = std::getenv("TMPDIR");
  std::string base = (tmp != nullptr && tmp[0] == '/') ? tmp : "/tmp";
  std::string folder = base + "/tessra-" + std::to_string(geteuid());
  // An existing folder is checked the same way as a new one: a folder or link
  // someone else made under our name is refused.
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  if (!IsPrivateFolder(folder)) return std::nullopt;
  return folder;
}

}  // namespace platform
