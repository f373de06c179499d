// bmpcanonical.cpp: the plain-form rewrite of a checked BMP file.
#include "platform/bmpcanonical.h"

#include <algorithm>

#include "platform/bmprle.h"

namespace platform {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kMaskBytes = 12;

void PutU16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void PutU32(std::uint8_t* p, std::uint32_t v) {
  PutU16(p, v & 0xFFFF);
  PutU16(p + 2, v >> 16);
}

struct Layout {
  int Bits = 0;
  std::size_t Stride = 0;
  std::size_t MaskBytes = 0;
  std::size_t PaletteBytes = 0;
  std::size_t PixelOffset = 0;
  std::size_t Total = 0;
};

Layout PlanLayout(const BmpHeader& h) {
  Layout l;
  l.Bits = h.IsRle() ? 8 : h.BitCount;
  l.Stride = (static_cast<std::size_t>(h.Width) * static_cast<std::size_t>(l.Bits) + 31) / 32 * 4;
  l.MaskBytes = h.Compression == BmpCompression::BitFields ? kMaskBytes : 0;
  l.PaletteBytes = static_cast<std::size_t>(h.PaletteEntries) * 4;
  l.PixelOffset = kFileHeaderSize + kInfoHeaderSize + l.MaskBytes + l.PaletteBytes;
  l.Total = l.PixelOffset + l.Stride * static_cast<std::size_t>(h.Height);
  return l;
}

void WriteHeaders(const BmpHeader& h, const Layout& l, std::uint8_t* out) {
  out[0] = 'B';
  out[1] = 'M';
  PutU32(out + 2, static_cast<std::uint32_t>(l.Total));
  PutU32(out + 10, static_cast<std::uint32_t>(l.PixelOffset));
  std::uint8_t* info = out + kFileHeaderSize;
  PutU32(info, kInfoHeaderSize);
  PutU32(info + 4, static_cast<std::uint32_t>(h.Width));
  PutU32(info + 8, static_cast<std::uint32_t>(h.Height));  // positive: bottom-up
  PutU16(info + 12, 1);
  PutU16(info + 14, static_cast<std::uint32_t>(l.Bits));
  const bool bitFields = h.Compression == BmpCompression::BitFields;
  PutU32(info + 16, bitFields ? static_cast<std::uint32_t>(BmpCompression::BitFields) : 0);
  PutU32(info + 20, static_cast<std::uint32_t>(l.Stride * static_cast<std::size_t>(h.Height)));
  PutU32(info + 32, static_cast<std::uint32_t>(h.PaletteEntries));
  if (bitFields) {
    for (std::size_t i = 0; i < 3; ++i) PutU32(info + kInfoHeaderSize + 4 * i, h.Masks[i]);
  }
}

void WritePalette(const BmpHeader& h, std::span<const std::uint8_t> file, std::uint8_t* out) {
  const std::size_t entrySize = static_cast<std::size_t>(h.PaletteEntrySize);
  for (std::size_t i = 0; i < static_cast<std::size_t>(h.PaletteEntries); ++i) {
    const std::uint8_t* entry = file.data() + h.PaletteOffset + i * entrySize;
    std::copy(entry, entry + 3, out + 4 * i);  // blue, green, red; the fourth stays 0
  }
}

// Uncompressed rows keep their bytes; only a top-down file changes order.
void CopyRows(const BmpHeader& h, const Layout& l, std::span<const std::uint8_t> file,
              std::uint8_t* out) {
  const std::uint8_t* pixels = file.data() + h.PixelOffset;
  for (std::size_t row = 0; row < static_cast<std::size_t>(h.Height); ++row) {
    const std::size_t from = h.TopDown ? static_cast<std::size_t>(h.Height) - 1 - row : row;
    std::copy_n(pixels + from * h.RowStride, l.Stride, out + row * l.Stride);
  }
}

bool IndicesInRange(const std::uint8_t* pixels, const BmpHeader& h, const Layout& l) {
  const int bits = l.Bits;
  if (h.PaletteEntries >= (1 << bits)) return true;
  const std::uint32_t mask = (1u << bits) - 1;
  const auto entries = static_cast<std::uint32_t>(h.PaletteEntries);
  for (std::size_t row = 0; row < static_cast<std::size_t>(h.Height); ++row) {
    const std::uint8_t* line = pixels + row * l.Stride;
    for (std::size_t x = 0; x < static_cast<std::size_t>(h.Width); ++x) {
      const std::size_t bit = x * static_cast<std::size_t>(bits);
      const std::uint32_t index = (line[bit / 8] >> (8 - bits - static_cast<int>(bit % 8))) & mask;
      if (index >= entries) return false;
    }
  }
  return true;
}

}  // namespace

BmpCanonicalResult MakeCanonicalBmp(const BmpHeader& header, std::span<const std::uint8_t> file) {
  BmpCanonicalResult r;
  if (file.size() < header.PixelEnd()) {
    r.Error = BmpError::PixelDataShort;
    return r;
  }
  const Layout l = PlanLayout(header);
  r.Bytes.assign(l.Total, 0);
  std::uint8_t* out = r.Bytes.data();
  WriteHeaders(header, l, out);
  WritePalette(header, file, out + kFileHeaderSize + kInfoHeaderSize + l.MaskBytes);
  std::uint8_t* pixels = out + l.PixelOffset;
  if (header.IsRle()) {
    const RleTarget target{header.Width, header.Height,
                           header.Compression == BmpCompression::Rle4,
                           std::span<std::uint8_t>(pixels, l.Total - l.PixelOffset), l.Stride};
    r.Error = ExpandBmpRle(file.subspan(header.PixelOffset, header.PixelBytes), target);
  } else {
    CopyRows(header, l, file, pixels);
  }
  if (r.Ok() && header.PaletteEntries > 0 && !IndicesInRange(pixels, header, l)) {
    r.Error = BmpError::BadColourIndex;
  }
  if (!r.Ok()) r.Bytes.clear();
  return r;
}

}  // namespace platform
