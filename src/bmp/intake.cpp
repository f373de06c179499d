// intake.cpp: opening a picture file for the decoder without ever
// blocking on it, and reading it by offset.
#include "bmp/header.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace bmp {
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

class FileSource : public ByteSource {
 public:
  explicit FileSource(int fd) : fd_(fd) {}
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;
  ~FileSource() override { ::close(fd_); }

  void SetSize(std::uint64_t size) { size_ = size; }
  std::uint64_t Size() const override { return size_; }

  std::ptrdiff_t ReadAt(std::uint64_t offset, std::uint8_t* into, std::size_t count) override {
    std::size_t got = 0;
    while (got < count) {
      const ssize_t n = Restarted(
          [&] { return ::pread(fd_, into + got, count - got, static_cast<off_t>(offset + got)); });
      if (n < 0) return -1;
      if (n == 0) break;
      got += static_cast<std::size_t>(n);
    }
    return static_cast<std::ptrdiff_t>(got);
  }

 private:
  int fd_;
  std::uint64_t size_ = 0;
};

BmpLoad Refused(BmpError error, int systemError = 0) {
  BmpLoad load;
  load.Error = error;
  load.SystemError = systemError;
  return load;
}

BmpLoad OpenFault(int error) {
  if (error == ENOENT || error == ENOTDIR) return Refused(BmpError::NotFound);
  if (error == EACCES || error == EPERM) return Refused(BmpError::NoPermission);
  return Refused(BmpError::OpenFailed, error);
}

BmpLoad KindFault(mode_t mode) {
  return Refused(S_ISDIR(mode) ? BmpError::IsFolder : BmpError::NotRegular);
}

}  // namespace

// Refused from its status first, then opened non-blocking and checked again,
// so that a pipe put in the file's place in between cannot stall us either;
// and never as our controlling terminal, should a terminal be put there.
BmpLoad LoadBmp(const std::string& path, const BmpLimits& limits) {
  struct stat st {};
  if (path.empty()) return Refused(BmpError::NotFound);
  if (Restarted([&] { return ::stat(path.c_str(), &st); }) != 0) return OpenFault(errno);
  if (!S_ISREG(st.st_mode)) return KindFault(st.st_mode);
  const int fd = Restarted(
      [&] { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC); });
  if (fd < 0) return OpenFault(errno);
  FileSource file(fd);
  if (Restarted([&] { return ::fstat(fd, &st); }) != 0) return OpenFault(errno);
  if (!S_ISREG(st.st_mode)) return KindFault(st.st_mode);
  file.SetSize(static_cast<std::uint64_t>(st.st_size));
  return DecodeBmp(file, limits);
}

}  // namespace bmp
