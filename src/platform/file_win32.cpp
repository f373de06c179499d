// file_win32.cpp: ReadOnlyFile on Windows: the UTF-8 path as a wide one,
// its attributes first, then CreateFileW and ReadFile at offsets.
#include <windows.h>

#include <string>

#include "platform/file.h"

namespace platform {
namespace {

std::wstring Wide(const std::string& utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                         static_cast<int>(utf8.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                      wide.data(), length);
  return wide;
}

FileFault OpenFault(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
      return FileFault::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return FileFault::NoPermission;
    default:
      return FileFault::OpenFailed;
  }
}

}  // namespace

// A device name (CON, a pipe, a volume) is not a disk file: it is refused
// from its type before anything is read, as pipes are on POSIX.
ReadOnlyFile::ReadOnlyFile(const std::string& path) {
  const auto failed = [this] {
    const DWORD error = GetLastError();
    const FileFault fault = OpenFault(error);
    if (fault == FileFault::OpenFailed) systemError_ = static_cast<int>(error);
    return fault;
  };
  fault_ = [&] {
    const std::wstring wide = Wide(path);
    if (wide.empty()) return FileFault::NotFound;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return failed();
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FileFault::IsFolder;
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return failed();
    handle_ = reinterpret_cast<std::intptr_t>(file);
    if (GetFileType(file) != FILE_TYPE_DISK) return FileFault::NotRegular;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) return failed();
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FileFault::IsFolder;
    size_ = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    return FileFault::None;
  }();
}

ReadOnlyFile::~ReadOnlyFile() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

std::ptrdiff_t ReadOnlyFile::ReadAt(std::uint64_t offset, std::uint8_t* into, std::size_t count) {
  std::size_t got = 0;
  while (got < count) {
    OVERLAPPED at{};
    const std::uint64_t position = offset + got;
    at.Offset = static_cast<DWORD>(position);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(count - got, 1u << 30));
    DWORD read = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(handle_), into + got, ask, &read, &at)) {
      const DWORD error = GetLastError();
      if (error == ERROR_HANDLE_EOF) break;
      systemError_ = static_cast<int>(error);
      return -1;
    }
    if (read == 0) break;
    got += read;
  }
  return static_cast<std::ptrdiff_t>(got);
}

}  // namespace platform
