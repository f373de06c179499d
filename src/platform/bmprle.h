// bmprle.h: expanding the run-length streams of 4 and 8-bit BMP pictures into
// one palette index per byte, refusing streams that leave the picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/bmpheader.h"

namespace platform {

struct RleTarget {
  int Width = 0;
  int Height = 0;
  bool FourBit = false;  // pairs of 4-bit indices per byte instead of one 8-bit index
  // Height rows of Stride bytes, in the stream's order (bottom row first),
  // zero-filled by the caller: pixels the stream skips keep index 0.
  std::span<std::uint8_t> Indices;
  std::size_t Stride = 0;
};

// Decodes `stream` into target.Indices. A run, absolute block or jump that
// would go past the end of its row or below the last row is refused with
// BadRle rather than clipped, since no encoder writes one and clipping
// would guess at what the file meant. A stream that runs out before its
// end-of-picture escape, and before the last row is full, is PixelDataShort.
// Bytes after the end-of-picture escape are ignored.
BmpError ExpandBmpRle(std::span<const std::uint8_t> stream, const RleTarget& target);

}  // namespace platform
