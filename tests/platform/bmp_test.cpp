// bmp_test.cpp: the BMP header checks, run-length expansion and colour-index
// checks at the exact lengths and limits the generated corpus does not reach.
#include <gtest/gtest.h>

#include "platform/bmpcanonical.h"
#include "platform/bmpheader.h"
#include "platform/bmprle.h"
#include "support/bmp_bytes.h"

namespace {

using platform::BmpError;
using testsupport::BmpSpec;
using testsupport::Bytes;

BmpSpec Sized(std::int32_t w, std::int32_t h, std::uint16_t bits = 24) {
  BmpSpec s;
  s.Width = w;
  s.Height = h;
  s.Bits = bits;
  s.Pixels.assign(bits == 24 ? std::size_t(((w * 3 + 3) / 4 * 4) * h) : 0, 0x40);
  return s;
}

BmpSpec WithOffset(std::uint32_t offset) {
  BmpSpec s = Sized(3, 2);
  s.Offset = offset;
  return s;
}

BmpSpec Palette8(std::uint32_t used, int entries) {
  BmpSpec s = Sized(4, 2, 8);
  s.ColoursUsed = used;
  for (int i = 0; i < entries; ++i) s.Palette.push_back({1, 2, 3});
  s.Pixels.assign(8, 0);
  return s;
}

Bytes Head(Bytes b, std::size_t n) {
  b.resize(n);
  return b;
}

// Boundaries next to the corpus's own cases: one byte either side, and the
// decoding budget's edge with products that overflow 32 or 64 bits.
TEST(BmpHeader, ExactLengthsAndLimits) {
  constexpr std::uint64_t kHuge = std::uint64_t{1} << 40;  // room for any declared pixels
  const Bytes good = Sized(3, 2).Build();                   // 54 + 24 bytes
  BmpSpec fields = Sized(2, 2, 16);
  fields.Compression = 3;
  fields.Masks = {0xF800, 0x07E0, 0x001F};
  const struct {
    const char* What;
    Bytes File;
    std::uint64_t FileSize;  // 0: the bytes given are the whole file
    BmpError Error;
  } rows[] = {
      {"one short of the info header", Head(good, 53), 0, BmpError::Truncated},
      {"file smaller than its head", good, 30, BmpError::Truncated},
      {"masks after a 40-byte header cut", Head(fields.Build(), 60), 0, BmpError::Truncated},
      {"offset inside the header", WithOffset(53).Build(), 0, BmpError::BadOffset},
      {"offset at the end", WithOffset(78).Build(), 0, BmpError::PixelDataShort},
      {"offset past the end", WithOffset(79).Build(), 0, BmpError::BadOffset},
      {"at the budget", Sized(8192, 8192, 32).Build(), kHuge, BmpError::None},
      {"one long row", Sized(64 << 20, -1, 32).Build(), kHuge, BmpError::None},
      {"row over the budget", Sized((64 << 20) + 1, 1, 1).Build(), kHuge, BmpError::TooLarge},
      {"product overflows 64 bits", Sized(0x7FFFFFFF, -0x7FFFFFFF, 32).Build(), kHuge,
       BmpError::TooLarge},
      {"65536 squared", Sized(65536, 65536, 8).Build(), kHuge, BmpError::TooLarge},
      {"257 colours", Palette8(257, 257).Build(), 0, BmpError::BadPalette},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(platform::ParseBmpHeader(r.File, r.FileSize ? r.FileSize : r.File.size()).Error,
              r.Error)
        << r.What;
  }
}

// A run-length stream is read to the end of the file, but no further than
// any stream for the picture's size could take.
TEST(BmpHeader, RunLengthStreamIsCappedByThePictureSize) {
  BmpSpec s = Palette8(0, 256);
  s.Compression = 1;
  s.Pixels = {4, 7, 0, 0, 4, 7, 0, 1};
  const auto r = platform::ParseBmpHeader(s.Build(), std::uint64_t{1} << 32);
  ASSERT_TRUE(r.Ok());
  EXPECT_LT(r.Header.PixelBytes, 100u);
}

// Streams that end early or leave the picture; what accepted streams expand
// to is checked pixel by pixel through the loader with the corpus.
TEST(BmpRle, StreamsThatEndEarlyOrLeaveThePicture) {
  const struct {
    Bytes Stream;
    int W, H;
    BmpError Error;
  } rows[] = {
      {{2, 1, 0, 0, 2, 1}, 2, 2, BmpError::None},  // full: no closing escape needed
      {{2, 1, 0, 0, 1, 1}, 2, 2, BmpError::PixelDataShort},
      {{2}, 4, 2, BmpError::PixelDataShort},
      {{0, 2, 1}, 4, 2, BmpError::PixelDataShort},        // jump without its rows
      {{0, 3, 1, 2, 3}, 4, 2, BmpError::PixelDataShort},  // literal without its pad
      {{2, 1, 3, 1}, 4, 2, BmpError::BadRle},             // second run past the row
      {{4, 1, 0, 0, 4, 1, 0, 0, 1, 1}, 4, 2, BmpError::BadRle},  // run past the last row
      {{4, 1, 0, 0, 4, 1, 0, 0, 0, 0}, 4, 2, BmpError::BadRle},  // end of row past it
  };
  for (const auto& r : rows) {
    Bytes indices(static_cast<std::size_t>(r.W * r.H), 0);
    const platform::RleTarget target{r.W, r.H, false, indices, static_cast<std::size_t>(r.W)};
    EXPECT_EQ(platform::ExpandBmpRle(r.Stream, target), r.Error) << "stream of " << r.Stream.size();
  }
}

// Padding bits and bytes are no pixels, whatever they hold.
TEST(BmpCanonical, IndicesPastThePaletteAreRefusedButPaddingIsNot) {
  const struct {
    std::uint16_t Bits;
    int Colours;
    Bytes Pixels;  // one row of three pixels
    BmpError Error;
  } rows[] = {
      {8, 3, {0, 3, 2, 0}, BmpError::BadColourIndex}, {8, 3, {0, 1, 2, 0xFF}, BmpError::None},
      {4, 5, {0x04, 0x50, 0, 0}, BmpError::BadColourIndex}, {4, 5, {0x04, 0x0F, 0, 0}, BmpError::None},
      {1, 1, {0x20, 0, 0, 0}, BmpError::BadColourIndex}, {1, 1, {0x1F, 0, 0, 0}, BmpError::None},
  };
  for (const auto& r : rows) {
    BmpSpec s = Sized(3, 1, r.Bits);
    s.ColoursUsed = static_cast<std::uint32_t>(r.Colours);
    s.Palette.resize(static_cast<std::size_t>(r.Colours));
    s.Pixels = r.Pixels;
    const Bytes file = s.Build();
    const auto parsed = platform::ParseBmpHeader(file, file.size());
    ASSERT_TRUE(parsed.Ok());
    EXPECT_EQ(platform::MakeCanonicalBmp(parsed.Header, file).Error, r.Error)
        << r.Bits << " bits, byte 1 " << int(r.Pixels[1]);
  }
}

}  // namespace
