// bmp.h: BMP files into surfaces: opening the file without blocking,
// the header checks and one streaming decoder for every accepted variant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "platform/surface.h"

namespace bmp {

using platform::Color;
using platform::kMaxSurfacePixels;
using platform::Surface;

// Why a file was refused. The order says nothing; every value has its own
// sentence for the user in the class library's loader.
enum class BmpError {
  None,
  NotFound,        // no such file, or a folder on the way is none
  NoPermission,    // the file may not be read
  IsFolder,
  NotRegular,      // a pipe, device or socket: never opened for reading
  OpenFailed,      // any other reason the system gave; see the system error
  ReadFailed,      // the system failed a read
  OutOfMemory,     // the picture's pixels, or a buffer, could not be had
  Declined,        // the caller's size check turned the picture down
  Empty,           // zero-byte file
  NotBmp,          // no "BM" signature
  Truncated,       // the file ends inside its headers, masks or palette
  BadHeader,       // unknown info header size, or planes other than 1
  BadSize,         // zero or negative width, zero height
  TooLarge,        // more pixels than the decoding budget
  BadDepth,        // bits per pixel other than 1, 4, 8, 16, 24, 32
  BadCompression,  // unknown compression, embedded JPEG or PNG, one that
                   // does not fit the depth, or a compressed picture stored top-down
  BadMasks,        // bit-field masks empty, overlapping, gappy or past the pixel
  BadOffset,       // pixel data said to start inside the headers or past the end
  PixelDataShort,  // less pixel data than the header declares, or a
                   // compressed stream that stops before the picture is done
  BadRle,          // a compressed run or jump leaves its row or the picture
  BadColourIndex,  // a pixel names a colour past the end of the palette
};

// Bytes read by offset: the file, or memory in the tests and the fuzzer.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Reads up to `count` bytes at `offset`; returns how many (fewer only where
  // the source ends), or -1 when the system failed the read.
  virtual std::ptrdiff_t ReadAt(std::uint64_t offset, std::uint8_t* into, std::size_t count) = 0;
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

}  // namespace bmp
