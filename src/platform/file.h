// file.h: a file opened for reading by offset, never blocking on what it
// finds: the intake's one door to the system. One implementation file per
// system (file_posix.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

enum class FileFault {
  None,
  NotFound,      // no such file, or a folder on the way is none
  NoPermission,
  IsFolder,
  NotRegular,    // a pipe, device or socket: never opened for reading
  OpenFailed,    // any other reason; SystemError tells it
};

class ReadOnlyFile {
 public:
  // Refuses from the file's status first, then opens it without blocking
  // and checks again, so that a pipe put in its place in between cannot
  // stall the caller either.
  explicit ReadOnlyFile(const std::string& path);
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  FileFault Fault() const { return fault_; }
  int SystemError() const { return systemError_; }  // for OpenFailed and failed reads
  std::uint64_t Size() const { return size_; }

  // Reads up to `count` bytes at `offset`, going on after interrupted and
  // short reads; returns how many (fewer only where the file ends), or -1
  // when the system failed a read.
  std::ptrdiff_t ReadAt(std::uint64_t offset, std::uint8_t* into, std::size_t count);

 private:
  std::intptr_t handle_ = -1;
  FileFault fault_ = FileFault::None;
  int systemError_ = 0;
  std::uint64_t size_ = 0;
};

}  // namespace platform
