// intake.cpp: a picture file for the decoder, read by offset through the
// platform's file, which never blocks on what it finds.
#include "bmp/header.h"
#include "platform/file.h"

namespace bmp {
namespace {

class FileSource : public ByteSource {
 public:
  explicit FileSource(platform::ReadOnlyFile& file) : file_(file) {}
  std::uint64_t Size() const override { return file_.Size(); }
  std::ptrdiff_t ReadAt(std::uint64_t offset, std::uint8_t* into, std::size_t count) override {
    return file_.ReadAt(offset, into, count);
  }

 private:
  platform::ReadOnlyFile& file_;
};

BmpError ErrorOf(platform::FileFault fault) {
  switch (fault) {
    case platform::FileFault::None: return BmpError::None;
    case platform::FileFault::NotFound: return BmpError::NotFound;
    case platform::FileFault::NoPermission: return BmpError::NoPermission;
    case platform::FileFault::IsFolder: return BmpError::IsFolder;
    case platform::FileFault::NotRegular: return BmpError::NotRegular;
    case platform::FileFault::OpenFailed: break;
  }
  return BmpError::OpenFailed;
}

}  // namespace

BmpLoad LoadBmp(const std::string& path, const BmpLimits& limits) {
  platform::ReadOnlyFile file(path);
  if (file.Fault() != platform::FileFault::None) {
    BmpLoad load;
    load.Error = ErrorOf(file.Fault());
    load.SystemError = file.SystemError();
    return load;
  }
  FileSource source(file);
  return DecodeBmp(source, limits);
}

}  // namespace bmp
