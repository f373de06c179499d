// syscall_faults.cpp: the wrapped open and pread behind syscall_faults.h.
#include "support/syscall_faults.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>

extern "C" {
int __real_open(const char* path, int flags, ...);
int __real_open64(const char* path, int flags, ...);
ssize_t __real_pread(int fd, void* into, size_t count, off_t offset);
ssize_t __real_pread64(int fd, void* into, size_t count, off_t offset);
}

namespace testsupport {
namespace {

std::string plan;
std::size_t made = 0;

char NextStep() { return made < plan.size() ? plan[made++] : (++made, '.'); }

template <typename RealOpen>
int Open(RealOpen real, const char* path, int flags, va_list args) {
  const mode_t mode = (flags & O_CREAT) != 0 ? static_cast<mode_t>(va_arg(args, int)) : 0;
  switch (NextStep()) {
    case 'i': errno = EINTR; return -1;
    case 'f': errno = EIO; return -1;
    default: return real(path, flags, mode);
  }
}

template <typename RealPread>
ssize_t Read(RealPread real, int fd, void* into, size_t count, off_t offset) {
  switch (NextStep()) {
    case 'i': errno = EINTR; return -1;
    case 'f': errno = EIO; return -1;
    case 's': return real(fd, into, count > 1 ? count / 2 : count, offset);
    default: return real(fd, into, count, offset);
  }
}

}  // namespace

void SetSyscallPlan(std::string steps) {
  plan = std::move(steps);
  made = 0;
}

int SyscallsMade() { return static_cast<int>(made); }

}  // namespace testsupport

extern "C" {
int __wrap_open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const int fd = testsupport::Open(__real_open, path, flags, args);
  va_end(args);
  return fd;
}
int __wrap_open64(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const int fd = testsupport::Open(__real_open64, path, flags, args);
  va_end(args);
  return fd;
}
ssize_t __wrap_pread(int fd, void* into, size_t count, off_t offset) {
  return testsupport::Read(__real_pread, fd, into, count, offset);
}
ssize_t __wrap_pread64(int fd, void* into, size_t count, off_t offset) {
  return testsupport::Read(__real_pread64, fd, into, count, offset);
}
}
