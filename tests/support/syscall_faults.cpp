// syscall_faults.cpp: the wrapped open and pread behind syscall_faults.h.
#include "support/syscall_faults.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>

extern "C" {
int __real_open(const char* path, int flags, ...);
ssize_t __real_pread(int fd, void* into, size_t count, off_t offset);
}

namespace testsupport {
namespace {

std::string plan;
std::size_t made = 0;

char NextStep() { return made < plan.size() ? plan[made++] : (++made, '.'); }

// The step's failure, or 0 when the call is to be made.
int Failure(char step) { return step == 'i' ? EINTR : step == 'f' ? EIO : 0; }

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
  const mode_t mode = (flags & O_CREAT) != 0 ? static_cast<mode_t>(va_arg(args, int)) : 0;
  va_end(args);
  if (const int e = testsupport::Failure(testsupport::NextStep())) return errno = e, -1;
  return __real_open(path, flags, mode);
}
ssize_t __wrap_pread(int fd, void* into, size_t count, off_t offset) {
  const char step = testsupport::NextStep();
  if (const int e = testsupport::Failure(step)) return errno = e, -1;
  return __real_pread(fd, into, step == 's' && count > 1 ? count / 2 : count, offset);
}
}
