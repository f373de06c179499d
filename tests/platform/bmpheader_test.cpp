// bmpheader_test.cpp: the BMP header checks over files built byte by byte.
#include "platform/bmpheader.h"

#include <gtest/gtest.h>

#include "support/bmp_bytes.h"

namespace {

using platform::BmpError;
using platform::ParseBmpHeader;
using testsupport::BmpSpec;
using testsupport::Bytes;

platform::BmpHeaderResult Parse(const Bytes& file) { return ParseBmpHeader(file, file.size()); }

BmpError ErrorOf(const BmpSpec& file) { return Parse(file.Build()).Error; }

// A 3 x 2 24-bit picture: rows of 9 bytes padded to 12.
BmpSpec Rgb24() {
  BmpSpec s;
  s.Width = 3;
  s.Height = 2;
  s.Pixels.assign(24, 0x40);
  return s;
}

BmpSpec Palette8(std::uint32_t coloursUsed, int entries) {
  BmpSpec s;
  s.Width = 4;
  s.Height = 2;
  s.Bits = 8;
  s.ColoursUsed = coloursUsed;
  s.Palette.assign(static_cast<std::size_t>(entries), {1, 2, 3});
  s.Pixels.assign(8, 0);
  return s;
}

TEST(BmpHeader, ReadsEveryInfoHeaderVariant) {
  for (std::uint32_t size : {12u, 40u, 52u, 56u, 108u, 124u}) {
    BmpSpec s = Rgb24();
    s.InfoSize = size;
    const Bytes file = s.Build();
    const auto r = Parse(file);
    ASSERT_TRUE(r.Ok()) << size << ": " << platform::BmpErrorName(r.Error);
    EXPECT_EQ(r.Header.Width, 3);
    EXPECT_EQ(r.Header.Height, 2);
    EXPECT_EQ(r.Header.BitCount, 24);
    EXPECT_EQ(r.Header.RowStride, 12u);
    EXPECT_EQ(r.Header.PixelOffset, 14u + size);
    EXPECT_EQ(r.Header.PixelBytes, 24u);
    EXPECT_EQ(r.Header.PixelEnd(), file.size());
  }
}

TEST(BmpHeader, NegativeHeightMeansTopDown) {
  BmpSpec s = Rgb24();
  s.Height = -2;
  const auto r = Parse(s.Build());
  ASSERT_TRUE(r.Ok());
  EXPECT_TRUE(r.Header.TopDown);
  EXPECT_EQ(r.Header.Height, 2);
}

// Refusals that turn on the exact length of a short file; the corpus has
// the rest of the malformed starts, depths, compressions and sizes.
TEST(BmpHeader, ShortStartsAreRefused) {
  const Bytes good = Rgb24().Build();
  EXPECT_EQ(Parse({}).Error, BmpError::Empty);
  EXPECT_EQ(Parse({'B'}).Error, BmpError::Truncated);
  EXPECT_EQ(Parse({'B', 'A', 0, 0}).Error, BmpError::NotBmp);
  EXPECT_EQ(Parse(Bytes(good.begin(), good.begin() + 17)).Error, BmpError::Truncated);
  EXPECT_EQ(Parse(Bytes(good.begin(), good.begin() + 53)).Error, BmpError::Truncated);
  // The head may hold more bytes than the file claims; the file size wins.
  EXPECT_EQ(ParseBmpHeader(good, 30).Error, BmpError::Truncated);
  // A 40-byte header with bit fields needs its 12 bytes of masks.
  BmpSpec fields;
  fields.Bits = 16;
  fields.Compression = 3;
  fields.Masks = {0xF800, 0x07E0, 0x001F};
  const Bytes withMasks = fields.Build();
  EXPECT_EQ(Parse(Bytes(withMasks.begin(), withMasks.begin() + 60)).Error, BmpError::Truncated);
}

// The budget is checked on the declared size alone, so a file of a few bytes
// can claim any size; fileSize is passed large enough to hold the pixels.
TEST(BmpHeader, BudgetIsCheckedBeforeAnyPixelIsRead) {
  auto parseSized = [](std::int32_t w, std::int32_t h, std::uint16_t bits) {
    BmpSpec s;
    s.Width = w;
    s.Height = h;
    s.Bits = bits;
    return ParseBmpHeader(s.Build(), std::uint64_t{1} << 40);
  };
  const auto atBudget = parseSized(8192, 8192, 32);
  ASSERT_TRUE(atBudget.Ok());
  EXPECT_EQ(atBudget.Header.PixelBytes, std::uint64_t{256} << 20);
  EXPECT_TRUE(parseSized(64 << 20, -1, 32).Ok());
  EXPECT_EQ(parseSized(8193, 8192, 24).Error, BmpError::TooLarge);
  EXPECT_EQ(parseSized((64 << 20) + 1, 1, 1).Error, BmpError::TooLarge);
  // Products that overflow 32 and would overflow a naive 64-bit byte count.
  EXPECT_EQ(parseSized(0x7FFFFFFF, 0x7FFFFFFF, 32).Error, BmpError::TooLarge);
  EXPECT_EQ(parseSized(0x7FFFFFFF, -0x7FFFFFFF, 32).Error, BmpError::TooLarge);
  EXPECT_EQ(parseSized(65536, 65536, 8).Error, BmpError::TooLarge);
  // The same claim in a real-sized file: refused for its missing pixels.
  BmpSpec s;
  s.Width = 8192;
  s.Height = 8192;
  EXPECT_EQ(ErrorOf(s), BmpError::PixelDataShort);
}

TEST(BmpHeader, PixelDataMustBeWhereTheOffsetSays) {
  const Bytes good = Rgb24().Build();
  EXPECT_TRUE(ParseBmpHeader(good, good.size() + 100).Ok()) << "trailing bytes are fine";
  EXPECT_EQ(ParseBmpHeader(good, good.size() - 1).Error, BmpError::PixelDataShort);
  for (std::uint32_t offset : {0u, 14u, 53u}) {
    BmpSpec s = Rgb24();
    s.Offset = offset;
    EXPECT_EQ(ErrorOf(s), BmpError::BadOffset) << offset;
  }
  BmpSpec past = Rgb24();
  past.Offset = static_cast<std::uint32_t>(good.size() + 1);
  EXPECT_EQ(ErrorOf(past), BmpError::BadOffset);
  BmpSpec atEnd = Rgb24();
  atEnd.Offset = static_cast<std::uint32_t>(good.size());
  EXPECT_EQ(ErrorOf(atEnd), BmpError::PixelDataShort);
  BmpSpec gap = Rgb24();
  gap.Offset = 60;
  gap.Pixels.insert(gap.Pixels.begin(), 6, 0xEE);
  const auto r = Parse(gap.Build());
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.Header.PixelOffset, 60u);
}

TEST(BmpHeader, PaletteSizeFollowsColoursUsed) {
  const auto full = Parse(Palette8(0, 256).Build());
  ASSERT_TRUE(full.Ok());
  EXPECT_EQ(full.Header.PaletteEntries, 256);
  EXPECT_EQ(full.Header.PaletteOffset, 54u);
  const auto some = Parse(Palette8(5, 5).Build());
  ASSERT_TRUE(some.Ok());
  EXPECT_EQ(some.Header.PaletteEntries, 5);
  EXPECT_EQ(ErrorOf(Palette8(257, 257)), BmpError::BadPalette);
  // Declared 256 colours but the pixels start after 16: the offset is inside.
  BmpSpec shortTable = Palette8(0, 16);
  shortTable.Pixels.assign(2000, 0);
  EXPECT_EQ(ErrorOf(shortTable), BmpError::BadOffset);
  Bytes cut = Palette8(0, 256).Build();
  cut.resize(54 + 100);
  EXPECT_EQ(Parse(cut).Error, BmpError::Truncated);

  BmpSpec core = Palette8(0, 256);
  core.InfoSize = 12;
  const auto r = Parse(core.Build());
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.Header.PaletteEntrySize, 3);
  EXPECT_EQ(r.Header.PixelOffset, 14u + 12u + 3u * 256u);
}

TEST(BmpHeader, BitFieldMasksMustBeSoundRuns) {
  auto withMasks = [](std::uint16_t bits, std::array<std::uint32_t, 3> masks,
                      std::uint32_t infoSize = 40) {
    BmpSpec s;
    s.InfoSize = infoSize;
    s.Bits = bits;
    s.Compression = 3;
    s.Masks = masks;
    s.Pixels.assign(16, 0);
    return Parse(s.Build());
  };
  const auto ok = withMasks(16, {0xF800, 0x07E0, 0x001F});
  ASSERT_TRUE(ok.Ok());
  EXPECT_EQ(ok.Header.Masks[1], 0x07E0u);
  EXPECT_EQ(ok.Header.PixelOffset, 14u + 40u + 12u);
  EXPECT_TRUE(withMasks(32, {0xFF, 0xFF00, 0xFF000000}).Ok());
  EXPECT_TRUE(withMasks(16, {0x7C00, 0x03E0, 0x001F}, 52).Ok());
  EXPECT_TRUE(withMasks(32, {0xFF0000, 0xFF00, 0xFF}, 124).Ok());
  const std::array<std::uint32_t, 3> broken[] = {
      {0, 0x07E0, 0x001F},       // empty
      {0xF800, 0x0FE0, 0x001F},  // overlapping
      {0xF800, 0x07E0, 0x0015},  // gaps
      {0x1F0000, 0x07E0, 0x001F},  // outside 16 bits
  };
  for (const auto& masks : broken) {
    EXPECT_EQ(withMasks(16, masks).Error, BmpError::BadMasks) << std::hex << masks[1];
  }
  EXPECT_EQ(withMasks(32, {0x3FF00000, 0xFFC00, 0x3FF}).Error, BmpError::BadMasks);
}

TEST(BmpHeader, RunLengthStreamIsReadToTheEndOfTheFile) {
  BmpSpec s = Palette8(0, 256);
  s.Compression = 1;
  s.Pixels = {4, 7, 0, 0, 4, 7, 0, 1, 0xAA, 0xBB};
  const auto r = Parse(s.Build());
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.Header.PixelBytes, 10u);
  // A huge file is not read past what any stream for 4 x 2 pixels could take.
  const auto big = ParseBmpHeader(s.Build(), std::uint64_t{1} << 32);
  ASSERT_TRUE(big.Ok());
  EXPECT_EQ(big.Header.PixelBytes, 4u * (8u + 2u) + 2u);
  s.Pixels.clear();
  EXPECT_EQ(ErrorOf(s), BmpError::PixelDataShort);
}

}  // namespace
