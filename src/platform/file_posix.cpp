// file_posix.cpp: ReadOnlyFile on POSIX: stat, open non-blocking, pread.
#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

// A call that a signal interrupted before it did anything is made again; any
// other failure is the answer.
template <typename Call>
auto Restarted(Call call) {
  for (;;) {
    const auto result = call();
    if (result >= 0 || errno != EINTR) return result;
  }
}

FileFault OpenFault(int error) {
  if (error == ENOENT || error == ENOTDIR) return FileFault::NotFound;
  if (error == EACCES || error == EPERM) return FileFault::NoPermission;
  return FileFault::OpenFailed;
}

FileFault KindFault(mode_t mode) { return S_ISDIR(mode) ? FileFault::IsFolder : FileFault::NotRegular; }

}  // namespace

// Never opened as our controlling terminal, should a terminal be put there.
ReadOnlyFile::ReadOnlyFile(const std::string& path) {
  const auto failed = [this] {
    const FileFault fault = OpenFault(errno);
    if (fault == FileFault::OpenFailed) systemError_ = errno;
    return fault;
  };
  fault_ = [&] {
    struct stat st {};
    if (path.empty()) return FileFault::NotFound;
    if (Restarted([&] { return ::stat(path.c_str(), &st); }) != 0) return failed();
    if (!S_ISREG(st.st_mode)) return KindFault(st.st_mode);
    const int fd =
        Restarted([&] { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC); });
    if (fd < 0) return failed();
    handle_ = fd;
    if (Restarted([&] { return ::fstat(fd, &st); }) != 0) return failed();
    if (!S_ISREG(st.st_mode)) return KindFault(st.st_mode);
    size_ = static_cast<std::uint64_t>(st.st_size);
    return FileFault::None;
  }();
}

ReadOnlyFile::~ReadOnlyFile() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

std::ptrdiff_t ReadOnlyFile::ReadAt(std::uint64_t offset, std::uint8_t* into, std::size_t count) {
  std::size_t got = 0;
  while (got < count) {
    const ssize_t n = Restarted([&] {
      return ::pread(static_cast<int>(handle_), into + got, count - got, static_cast<off_t>(offset + got));
    });
    if (n < 0) {
      systemError_ = errno;
      return -1;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return static_cast<std::ptrdiff_t>(got);
}

}  // namespace platform
