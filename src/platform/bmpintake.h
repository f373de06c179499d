// bmpintake.h: BMP files into surfaces: opening the file without blocking,
// the header checks and one streaming decoder for every accepted variant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "platform/bmpheader.h"
#include "platform/surface.h"

namespace platform {

// Bytes read by offset: the file, or memory in tests and the fuzzer.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Reads up to `count` bytes at `offset`; returns how many (fewer only where
  // the source ends), or -1 when the system failed the read.
  virtual std::ptrdiff_t ReadAt(std::uint64_t offset, std::uint8_t* into, std::size_t count) = 0;
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  std::ptrdiff_t ReadAt(std::uint64_t offset, std::uint8_t* into, std::size_t count) override;

 private:
  std::span<const std::uint8_t> bytes_;
};

struct BmpLimits {
  std::uint64_t MaxPixels = kMaxSurfacePixels;
  // Asked with the header's size before any pixel is read or any memory for
  // them is taken; returning false declines the picture.
  std::function<bool(int width, int height)> Accept;
};

struct BmpLoad {
  BmpError Error = BmpError::None;
  int SystemError = 0;  // errno, for OpenFailed and ReadFailed
  int Width = 0;        // the header's size, once the header was read
  int Height = 0;
  Surface Picture;      // the decoded picture, opaque; empty on any refusal
  bool Ok() const { return Error == BmpError::None; }
};

// Reads the BMP file at `path`. Folders, pipes and devices are refused from
// their status, and the file is opened non-blocking and checked again, so
// nothing put in its place can stall the program. Only the headers, the
// palette and the pixel data are read, in bounded chunks: memory beyond the
// picture's surface stays small whatever the headers claim.
BmpLoad LoadBmp(const std::string& path, const BmpLimits& limits = {});

// The same checks and decoder over any source of bytes.
BmpLoad DecodeBmp(ByteSource& source, const BmpLimits& limits = {});

}  // namespace platform
