// bmpdirect.h: BMP pictures whose stored rows are already plain blue-green-red
// bytes, converted into surface rows without a decoder.
#pragma once

#include <cstdint>

#include "platform/bmpheader.h"
#include "platform/surface.h"

namespace platform {

// True for uncompressed 24-bit pictures and for 32-bit ones whose masks are
// the usual byte masks (red 0xFF0000, green 0xFF00, blue 0xFF), whatever the
// header variant: their rows need no check beyond the headers' and no
// palette, only a byte shuffle. The fourth byte of a 32-bit pixel is unused.
bool IsDirectBmp(const BmpHeader& header);

// Converts one stored row of such a picture, header.Width pixels from
// `stored`, into `to` as opaque 0xFFRRGGBB pixels.
void ConvertDirectRow(const BmpHeader& header, const std::uint8_t* stored, Color* to);

}  // namespace platform
