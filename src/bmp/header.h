// header.h: reading and checking the headers of a BMP file from its bytes,
// before any pixel is decoded. Inside the decoder; callers use bmp.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "bmp/bmp.h"

namespace bmp {

enum class BmpCompression : std::uint32_t {
  Rgb = 0,
  Rle8 = 1,
  Rle4 = 2,
  BitFields = 3,
  Jpeg = 4,  // RLE24 in OS/2 2.x files
  Png = 5,
  AlphaBitFields = 6,
};

// Enough leading bytes for every header we read: file header, the largest
// info header and the three colour masks that may follow a 40-byte one.
inline constexpr std::size_t kBmpHeadBytes = 14 + 124 + 12;

struct BmpHeader {
  int Width = 0;
  int Height = 0;  // always positive; TopDown tells the row order
  bool TopDown = false;
  int BitCount = 0;
  BmpCompression Compression = BmpCompression::Rgb;
  std::uint32_t InfoSize = 0;
  // Red, green and blue masks of 16 and 32-bit pixels (the implied ones for
  // uncompressed files); zero for palette pictures. An alpha mask is never
  // read: every picture is shown opaque.
  std::uint32_t Masks[3] = {0, 0, 0};
  std::uint64_t PaletteOffset = 0;
  int PaletteEntries = 0;    // 0 for 16, 24 and 32-bit pictures
  int PaletteEntrySize = 4;  // 3 in files with the 12-byte core header
  std::uint64_t PixelOffset = 0;
  std::uint64_t RowStride = 0;  // bytes per stored row, uncompressed
  // Bytes to read from PixelOffset: the pixel data of an uncompressed
  // picture, whose last row may lack its padding; for a compressed one the
  // rest of the file, capped at the most a well-formed stream can take.
  std::uint64_t PixelBytes = 0;
  std::uint64_t FileSize = 0;

  bool IsRle() const {
    return Compression == BmpCompression::Rle8 || Compression == BmpCompression::Rle4;
  }
  bool HasMasks() const {
    return Compression == BmpCompression::BitFields ||
           Compression == BmpCompression::AlphaBitFields;
  }
  std::uint64_t PixelEnd() const { return PixelOffset + PixelBytes; }
};

struct BmpHeaderResult {
  BmpError Error = BmpError::None;
  BmpHeader Header;
  bool Ok() const { return Error == BmpError::None; }
};

// Parses the headers at the start of a file. `head` holds the file's first
// bytes (kBmpHeadBytes are enough; fewer when the file is shorter) and
// `fileSize` its whole length, against which offsets and the amount of pixel
// data are checked without reading the pixels. A picture of more than
// `maxPixels` pixels is TooLarge.
BmpHeaderResult ParseBmpHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize,
                               std::uint64_t maxPixels = kMaxSurfacePixels);

}  // namespace bmp
