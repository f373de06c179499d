// header.cpp: the header checks of a BMP file, all sizes in 64-bit math.
#include "bmp/header.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace bmp {
namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
// OS/2 2.x info headers: the short form stops after the depth, the long one
// adds fields of its own after the 40 bytes it shares with the common header.
constexpr std::uint32_t kOs2ShortSize = 16;
constexpr std::uint32_t kOs2LongSize = 64;
constexpr std::uint64_t kMaskBytes = 12;
constexpr std::uint64_t kAlphaMaskBytes = 4;

// Little-endian reads; callers have checked that the bytes are there.
std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return U16(b, at) | U16(b, at + 2) << 16;
}
std::int64_t I32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int32_t>(U32(b, at));
}

bool KnownInfoSize(std::uint32_t size) {
  return size == 12 || size == 16 || size == 40 || size == 52 || size == 56 || size == 64 ||
         size == 108 || size == 124;
}

// OS/2 files: their palettes have no colour count that can be trusted, and
// compressions 3 and 4 mean Huffman and RLE24 there.
bool IsOs2(std::uint32_t size) {
  return size == kCoreHeaderSize || size == kOs2ShortSize || size == kOs2LongSize;
}

// The fields of either info header form, widened so that nothing overflows.
struct InfoFields {
  std::uint32_t Size = 0;
  std::int64_t Width = 0;
  std::int64_t Height = 0;
  std::uint32_t Planes = 0;
  std::uint32_t BitCount = 0;
  std::uint32_t Compression = 0;
  std::uint32_t ColoursUsed = 0;
};

InfoFields ReadInfo(std::span<const std::uint8_t> head, std::uint32_t size) {
  InfoFields f;
  f.Size = size;
  if (size == kCoreHeaderSize) {
    // The core header stores unsigned 16-bit sizes and no compression.
    f.Width = U16(head, 18);
    f.Height = U16(head, 20);
    f.Planes = U16(head, 22);
    f.BitCount = U16(head, 24);
    return f;
  }
  f.Width = I32(head, 18);
  f.Height = I32(head, 22);
  f.Planes = U16(head, 26);
  f.BitCount = U16(head, 28);
  if (size == kOs2ShortSize) return f;  // uncompressed, every colour of the depth
  f.Compression = U32(head, 30);
  f.ColoursUsed = U32(head, 46);
  return f;
}

BmpError CheckDepthAndCompression(const InfoFields& f) {
  // Embedded JPEG and PNG pictures declare no depth of their own: the
  // compression is the fault to name.
  const auto compression = static_cast<BmpCompression>(f.Compression);
  if (compression == BmpCompression::Jpeg || compression == BmpCompression::Png) {
    return BmpError::BadCompression;
  }
  const std::uint32_t bits = f.BitCount;
  const bool os2 = IsOs2(f.Size);
  const bool known = bits == 1 || bits == 4 || bits == 8 || bits == 24 ||
                     (!os2 && (bits == 16 || bits == 32));
  if (!known) return BmpError::BadDepth;
  if (os2 && compression > BmpCompression::Rle4) return BmpError::BadCompression;
  switch (compression) {
    case BmpCompression::Rgb:
      return BmpError::None;
    case BmpCompression::Rle8:
      return bits == 8 ? BmpError::None : BmpError::BadCompression;
    case BmpCompression::Rle4:
      return bits == 4 ? BmpError::None : BmpError::BadCompression;
    case BmpCompression::BitFields:
    case BmpCompression::AlphaBitFields:
      return bits == 16 || bits == 32 ? BmpError::None : BmpError::BadCompression;
    default:
      break;
  }
  return BmpError::BadCompression;
}

// Each mask must be one unbroken run of bits inside the pixel, and no two may
// share a bit: broken masks give colours no writer meant. Channels of any
// width are read, those above 8 bits by their top 8.
bool ValidMasks(const std::uint32_t (&masks)[3], int bitCount) {
  const std::uint64_t pixelBits = (std::uint64_t{1} << bitCount) - 1;
  std::uint32_t seen = 0;
  for (std::uint32_t mask : masks) {
    if (mask == 0 || (mask & seen) != 0 || mask > pixelBits) return false;
    const std::uint32_t shifted = mask >> std::countr_zero(mask);
    if ((shifted & (shifted + 1)) != 0) return false;
    seen |= mask;
  }
  return true;
}

void SetImpliedMasks(BmpHeader& h) {
  if (h.BitCount == 16) {
    h.Masks[0] = 0x7C00;
    h.Masks[1] = 0x03E0;
    h.Masks[2] = 0x001F;
  } else if (h.BitCount >= 24) {
    h.Masks[0] = 0xFF0000;
    h.Masks[1] = 0x00FF00;
    h.Masks[2] = 0x0000FF;
  }
}

// Sizes and depth from the info header, before anything about the layout.
BmpError FillPicture(const InfoFields& f, std::uint64_t maxPixels, BmpHeader& h) {
  if (f.Planes != 1) return BmpError::BadHeader;
  if (BmpError e = CheckDepthAndCompression(f); e != BmpError::None) return e;
  if (f.Width <= 0 || f.Height == 0 || f.Height == std::numeric_limits<std::int32_t>::min()) {
    return BmpError::BadSize;
  }
  const std::int64_t height = f.Height < 0 ? -f.Height : f.Height;
  // Both factors are below 2^32, so the product cannot overflow 64 bits.
  if (static_cast<std::uint64_t>(f.Width) * static_cast<std::uint64_t>(height) > maxPixels) {
    return BmpError::TooLarge;
  }
  h.InfoSize = f.Size;
  h.Width = static_cast<int>(f.Width);
  h.Height = static_cast<int>(height);
  h.TopDown = f.Height < 0;
  h.BitCount = static_cast<int>(f.BitCount);
  h.Compression = static_cast<BmpCompression>(f.Compression);
  // Run-length streams are defined bottom-up only.
  if (h.TopDown && h.IsRle()) return BmpError::BadCompression;
  return BmpError::None;
}

// Masks sit right after the 40-byte part of the info header: inside the
// larger headers, appended to the 40-byte one.
BmpError ReadMasks(std::span<const std::uint8_t> head, BmpHeader& h) {
  if (!h.HasMasks()) {
    SetImpliedMasks(h);
    return BmpError::None;
  }
  const std::size_t at = kFileHeaderSize + kInfoHeaderSize;
  if (head.size() < at + kMaskBytes) return BmpError::Truncated;
  for (int i = 0; i < 3; ++i) h.Masks[i] = U32(head, at + 4 * static_cast<std::size_t>(i));
  return ValidMasks(h.Masks, h.BitCount) ? BmpError::None : BmpError::BadMasks;
}

BmpError FillPalette(const InfoFields& f, BmpHeader& h) {
  h.PaletteOffset = kFileHeaderSize + f.Size;
  if (f.Size == kInfoHeaderSize && h.HasMasks()) {
    h.PaletteOffset += kMaskBytes;
    if (h.Compression == BmpCompression::AlphaBitFields) h.PaletteOffset += kAlphaMaskBytes;
  }
  h.PaletteEntrySize = f.Size == kCoreHeaderSize ? 3 : 4;
  // A table after the masks of a 16, 24 or 32-bit picture is only a hint
  // for palette displays; it is skipped by the pixel offset like any gap.
  if (h.BitCount > 8) return BmpError::None;
  // A count past what the depth indexes only says that a longer table was
  // written; its first entries are the ones the pixels can name.
  const std::uint32_t most = std::uint32_t{1} << h.BitCount;
  h.PaletteEntries = static_cast<int>(f.ColoursUsed == 0 ? most : std::min(f.ColoursUsed, most));
  return BmpError::None;
}

// OS/2 writers store only the colours they use and tell the table's length
// by the pixel offset alone: at least one whole entry, none cut.
void FitOs2Palette(BmpHeader& h) {
  const std::uint64_t entry = static_cast<std::uint64_t>(h.PaletteEntrySize);
  if (h.PixelOffset < h.PaletteOffset + entry) return;
  const std::uint64_t room = (h.PixelOffset - h.PaletteOffset) / entry;
  h.PaletteEntries = static_cast<int>(std::min<std::uint64_t>(room, h.PaletteEntries));
}

// The largest stream a well-formed run-length picture of this size can take:
// every operation advances by at least one pixel or one row and costs at
// most 4 bytes (absolute runs cost less per pixel), plus the closing escape.
std::uint64_t RleStreamLimit(const BmpHeader& h) {
  const std::uint64_t w = static_cast<std::uint64_t>(h.Width);
  const std::uint64_t rows = static_cast<std::uint64_t>(h.Height);
  return 4 * (w * rows + rows) + 2;
}

BmpError FillLayout(std::span<const std::uint8_t> head, BmpHeader& h) {
  h.PixelOffset = U32(head, 10);
  if (IsOs2(h.InfoSize) && h.PaletteEntries > 0) FitOs2Palette(h);
  const std::uint64_t paletteEnd =
      h.PaletteOffset + static_cast<std::uint64_t>(h.PaletteEntries) *
                            static_cast<std::uint64_t>(h.PaletteEntrySize);
  if (paletteEnd > h.FileSize) return BmpError::Truncated;
  if (h.PixelOffset < paletteEnd || h.PixelOffset > h.FileSize) return BmpError::BadOffset;
  h.RowStride = (static_cast<std::uint64_t>(h.Width) * static_cast<std::uint64_t>(h.BitCount) + 31) /
                32 * 4;
  const std::uint64_t available = h.FileSize - h.PixelOffset;
  if (h.IsRle()) {
    if (available == 0) return BmpError::PixelDataShort;
    h.PixelBytes = std::min(available, RleStreamLimit(h));
    return BmpError::None;
  }
  // The stride is below 2^37 and the height below 2^31: no overflow. The
  // last row's padding holds no pixel, so a file may end without it.
  const std::uint64_t padded = h.RowStride * static_cast<std::uint64_t>(h.Height);
  const std::uint64_t lastRow =
      (static_cast<std::uint64_t>(h.Width) * static_cast<std::uint64_t>(h.BitCount) + 7) / 8;
  if (padded - h.RowStride + lastRow > available) return BmpError::PixelDataShort;
  h.PixelBytes = std::min(padded, available);
  return BmpError::None;
}

}  // namespace

BmpHeaderResult ParseBmpHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize,
                               std::uint64_t maxPixels) {
  BmpHeaderResult r;
  head = head.first(static_cast<std::size_t>(std::min<std::uint64_t>(head.size(), fileSize)));
  if (head.empty()) return {BmpError::Empty, {}};
  const bool signature = head[0] == 'B' && (head.size() < 2 || head[1] == 'M');
  if (!signature) return {BmpError::NotBmp, {}};
  if (head.size() < kFileHeaderSize + 4) return {BmpError::Truncated, {}};
  const std::uint32_t infoSize = U32(head, kFileHeaderSize);
  if (!KnownInfoSize(infoSize)) return {BmpError::BadHeader, {}};
  if (head.size() < kFileHeaderSize + infoSize) return {BmpError::Truncated, {}};

  const InfoFields fields = ReadInfo(head, infoSize);
  r.Header.FileSize = fileSize;
  r.Error = FillPicture(fields, maxPixels, r.Header);
  if (r.Ok()) r.Error = ReadMasks(head, r.Header);
  if (r.Ok()) r.Error = FillPalette(fields, r.Header);
  if (r.Ok()) r.Error = FillLayout(head, r.Header);
  return r;
}

}  // namespace bmp
