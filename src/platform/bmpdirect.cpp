// bmpdirect.cpp: straight conversion of 24 and 32-bit BMP rows.
#include "platform/bmpdirect.h"

namespace platform {

bool IsDirectBmp(const BmpHeader& header) {
  const bool byteMasks =
      header.Masks[0] == 0xFF0000u && header.Masks[1] == 0xFF00u && header.Masks[2] == 0xFFu;
  const bool uncompressed = header.Compression == BmpCompression::Rgb ||
                            header.Compression == BmpCompression::BitFields;
  return uncompressed && byteMasks && (header.BitCount == 24 || header.BitCount == 32);
}

namespace {

// The pixel size is a constant here so that the loop vectorises.
template <int kBytes>
void ConvertPixels(const std::uint8_t* stored, Color* to, int width) {
  for (int x = 0; x < width; ++x) {
    const std::uint8_t* p = stored + kBytes * x;
    to[x] = 0xFF000000u | Color{p[2]} << 16 | Color{p[1]} << 8 | Color{p[0]};
  }
}

}  // namespace

void ConvertDirectRow(const BmpHeader& header, const std::uint8_t* stored, Color* to) {
  if (header.BitCount == 24) {
    ConvertPixels<3>(stored, to, header.Width);
  } else {
    ConvertPixels<4>(stored, to, header.Width);
  }
}

}  // namespace platform
