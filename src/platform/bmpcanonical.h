// bmpcanonical.h: rewriting a checked BMP file into the one plain form that is
// handed to the image decoder, checking the pixels on the way.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/bmpheader.h"

namespace platform {

struct BmpCanonicalResult {
  BmpError Error = BmpError::None;
  std::vector<std::uint8_t> Bytes;
  bool Ok() const { return Error == BmpError::None; }
};

// The plain form: a 40-byte info header, the three masks after it for
// bit-field pictures, exactly the palette's entries as 4-byte quads, then
// uncompressed rows stored bottom-up; nothing else. Run-length pictures come
// out as 8-bit indices (pixels their stream skips get index 0). Every
// decoder reads this form the same way, whatever header variant, row order,
// offset or trailing bytes the original had.
//
// `file` holds the file from its first byte up to at least header.PixelEnd();
// `header` is what ParseBmpHeader returned for it. Refuses with
// BadColourIndex a pixel that names a colour past the palette, and with the
// run-length errors of ExpandBmpRle. May throw std::bad_alloc.
BmpCanonicalResult MakeCanonicalBmp(const BmpHeader& header, std::span<const std::uint8_t> file);

}  // namespace platform
