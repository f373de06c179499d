// bmp_test.cpp: the BMP intake at the exact lengths and limits the generated
// corpus does not reach: header checks, run-length streams, colour indices,
// skipped pixels and a picture far into a sparse file.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <new>
#include <tuple>

#include "bmp/header.h"
#include "support/bmp_bytes.h"
#include "support/memory_source.h"
#include "support/tempdir.h"

namespace {

using bmp::BmpError;
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

BmpSpec Palette8(std::uint32_t used, int entries) {
  BmpSpec s = Sized(4, 2, 8);
  s.ColoursUsed = used;
  for (int i = 0; i < entries; ++i) s.Palette.push_back({1, 2, 3});
  s.Pixels.assign(8, 0);
  return s;
}

bmp::BmpLoad Decode(const Bytes& file, const bmp::BmpLimits& limits = {}) {
  MemorySource source(file);
  return bmp::DecodeBmp(source, limits);
}

BmpSpec Rle8(int w, int h, Bytes stream) {
  BmpSpec s = testsupport::Rle8(w, h, std::move(stream));
  s.Palette = {{9, 8, 7}, {200, 100, 50}};
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
  const auto withOffset = [](std::uint32_t o) { BmpSpec s = Sized(3, 2); s.Offset = o; return s.Build(); };
  // A picture that carries a JPEG or PNG stream declares no depth of its own.
  const auto embedded = [](std::uint32_t compression) {
    BmpSpec s = Sized(3, 2, 0);
    s.Compression = compression;
    s.Pixels = {0xFF, 0xD8, 0xFF, 0xE0};
    return s.Build();
  };
  const struct {
    const char* What;
    Bytes File;
    std::uint64_t FileSize;  // 0: the bytes given are the whole file
    BmpError Error;
  } rows[] = {
      {"one short of the info header", Head(good, 53), 0, BmpError::Truncated},
      {"file smaller than its head", good, 30, BmpError::Truncated},
      {"masks after a 40-byte header cut", Head(fields.Build(), 60), 0, BmpError::Truncated},
      {"offset inside the header", withOffset(53), 0, BmpError::BadOffset},
      {"offset at the end", withOffset(78), 0, BmpError::PixelDataShort},
      {"offset past the end", withOffset(79), 0, BmpError::BadOffset},
      {"at the budget", Sized(8192, 8192, 32).Build(), kHuge, BmpError::None},
      {"one long row", Sized(64 << 20, -1, 32).Build(), kHuge, BmpError::None},
      {"row over the budget", Sized((64 << 20) + 1, 1, 1).Build(), kHuge, BmpError::TooLarge},
      {"product overflows 64 bits", Sized(0x7FFFFFFF, -0x7FFFFFFF, 32).Build(), kHuge,
       BmpError::TooLarge},
      {"65536 squared", Sized(65536, 65536, 8).Build(), kHuge, BmpError::TooLarge},
      {"unknown header size", [] { BmpSpec s = Sized(3, 2); s.InfoSize = 60; return s.Build(); }(), 0,
       BmpError::BadHeader},
      {"embedded JPEG", embedded(4), 0, BmpError::BadCompression},
      {"embedded PNG", embedded(5), 0, BmpError::BadCompression},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(bmp::ParseBmpHeader(r.File, r.FileSize ? r.FileSize : r.File.size()).Error,
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
  const auto r = bmp::ParseBmpHeader(s.Build(), std::uint64_t{1} << 32);
  ASSERT_TRUE(r.Ok());
  EXPECT_LT(r.Header.PixelBytes, 100u);
}

// Streams that end early or leave the picture, and pixels the stream skips:
// they take palette entry 0, whatever the surface's memory held before.
TEST(BmpRle, StreamsThatEndEarlyOrLeaveThePicture) {
  const struct {
    Bytes Stream;
    int W, H;
    BmpError Error;
  } rows[] = {
      {{2, 1, 0, 0, 2, 1}, 2, 2, BmpError::None},  // full: no closing escape needed
      {{2, 1, 0, 0, 2, 1, 7}, 2, 2, BmpError::None},          // then a stray byte
      {{2, 1, 0, 0, 1, 1, 0, 0, 9, 9}, 2, 2, BmpError::None},  // last row ended early
      {{2, 1, 0, 0, 1, 1}, 2, 2, BmpError::PixelDataShort},
      {{2, 1, 0, 0, 1, 1, 7}, 2, 2, BmpError::PixelDataShort},
      {{2}, 4, 2, BmpError::PixelDataShort},
      {{0, 2, 1}, 4, 2, BmpError::PixelDataShort},        // jump without its rows
      {{0, 3, 1, 2, 3}, 4, 2, BmpError::PixelDataShort},  // literal without its pad
      {{2, 1, 3, 1}, 4, 2, BmpError::BadRle},             // second run past the row
      {{4, 1, 0, 0, 5, 1}, 4, 2, BmpError::BadRle},              // run past the last row
      {{4, 1, 0, 2, 0, 2}, 4, 2, BmpError::BadRle},              // jump past the top
      {{0, 2, 0, 0, 0, 1}, 4, 2, BmpError::BadRle},              // a jump to nowhere
      {{1, 2, 0, 1}, 4, 2, BmpError::BadColourIndex},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(Decode(Rle8(r.W, r.H, r.Stream).Build()).Error, r.Error)
        << "stream of " << r.Stream.size();
  }
  // Bottom row: one pixel of colour 1, a jump over two and up one; top row:
  // the last pixel. Everything skipped shows entry 0.
  const auto load = Decode(Rle8(4, 2, {1, 1, 0, 2, 2, 1, 1, 1, 0, 1}).Build());
  ASSERT_TRUE(load.Ok());
  const platform::Color e0 = platform::Rgb(9, 8, 7), e1 = platform::Rgb(200, 100, 50);
  const platform::Color expected[8] = {e0, e0, e0, e1, e1, e0, e0, e0};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(load.Picture.Pixel(i % 4, i / 4), expected[i]) << i % 4 << "," << i / 4;
}

// Padding bits and bytes are no pixels, whatever they hold.
TEST(BmpIndices, IndicesPastThePaletteAreRefusedButPaddingIsNot) {
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
    EXPECT_EQ(Decode(s.Build()).Error, r.Error) << r.Bits << " bits, byte 1 " << int(r.Pixels[1]);
  }
}

// The size check sees the header's size before any pixel memory is taken;
// memory that cannot be had is told as such, never as an empty picture.
TEST(BmpIntake, DeclinedAndFailedAllocationsAreToldApart) {
  const Bytes file = Sized(300, 200).Build();
  std::pair<int, int> asked;
  const auto decline = [&](int w, int h) { return asked = {w, h}, false; };
  const auto fail = [](int, int) -> bool { throw std::bad_alloc(); };
  const auto declined = Decode(file, {platform::kMaxSurfacePixels, decline});
  const auto failed = Decode(file, {platform::kMaxSurfacePixels, fail});
  EXPECT_EQ(std::pair(declined.Error, failed.Error), std::pair(BmpError::Declined, BmpError::OutOfMemory));
  EXPECT_EQ(asked, std::pair(300, 200));
  EXPECT_TRUE(declined.Picture.IsEmpty());
}

// What the intake cannot read is told apart before anything is decoded, on
// every system; names are UTF-8, Japanese ones included.
TEST(BmpIntake, FilesThatCannotBeReadAreToldApart) {
  testsupport::TempDir dir;
  const std::string picture = dir.FilePath("見本の絵.bmp");
  testsupport::WriteFile(testsupport::Utf8Path(picture), Sized(2, 2).Build());
  std::filesystem::create_directory(testsupport::Utf8Path(dir.FilePath("フォルダー.bmp")));
  const std::pair<std::string, BmpError> rows[] = {
      {picture, BmpError::None},
      {dir.FilePath("ない.bmp"), BmpError::NotFound},
      {dir.FilePath("ない/a.bmp"), BmpError::NotFound},
      {dir.FilePath("フォルダー.bmp"), BmpError::IsFolder},
      {"", BmpError::NotFound},
  };
  for (const auto& [path, error] : rows) EXPECT_EQ(bmp::LoadBmp(path).Error, error) << path;
}

// Pixels 4 GiB into a sparse file, after a palette: only the headers, the
// palette and the pixels are read, never the gap.
TEST(BmpIntake, PixelsFarIntoASparseFile) {
  testsupport::TempDir dir;
  for (const bool rle : {false, true}) {
    BmpSpec s = rle ? Rle8(200, 200, {}) : Palette8(2, 2);
    s.Width = s.Height = 200;
    s.Pixels.clear();
    const Bytes row = rle ? Bytes{100, 0, 100, 1, 0, 0} : Bytes(200, 1);
    for (int y = 0; y < 200; ++y) s.Pixels.insert(s.Pixels.end(), row.begin(), row.end());
    s.Offset = 0xFFFF0000u;
    const Bytes bytes = s.Build();
    const std::size_t head = bytes.size() - s.Pixels.size();
    const std::string path = dir.FilePath("gap.bmp");
    {
      // Written past the end, the file keeps a hole where nothing was written.
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(head));
      out.seekp(static_cast<std::streamoff>(*s.Offset));
      out.write(reinterpret_cast<const char*>(s.Pixels.data()), static_cast<std::streamsize>(s.Pixels.size()));
      ASSERT_TRUE(out.good());
    }
    const auto load = bmp::LoadBmp(path);
    ASSERT_TRUE(load.Ok()) << rle << " error " << int(load.Error);
    EXPECT_EQ(load.Picture.Pixel(199, 199), rle ? platform::Rgb(200, 100, 50) : platform::Rgb(1, 2, 3));
  }
}

}  // namespace

// Files whose colour count passes what the depth indexes, so that the table
// as declared would run into the pixel data: the pixels name the entries
// that are there, before the pixel offset. (The fuzzer found these where
// Qt's reader went wrong.)
TEST(BmpDecoder, ColourCountPastTheDepth) {
  using platform::Rgb;
  const struct {
    const char* File;
    const char* TopRow;  // palette index of each pixel, left to right
    platform::Color Colours[5];
  } rows[] = {
      {"count6-depth1.bmp", "00000000100", {Rgb(0x16, 0x4D, 0x42), Rgb(0, 0, 0)}},
      {"count16-depth1.bmp", "10000000100", {Rgb(0, 0, 0), Rgb(0x80, 0, 0)}},
      {"count118-depth4.bmp", "00000200000", {Rgb(0, 0, 0x0B), {}, Rgb(4, 0, 1)}},
  };
  for (const auto& r : rows) {
    const auto load = Decode(testsupport::ReadFile(std::string(TESSRA_SOURCE_DIR "/fuzz/regressions/") + r.File));
    ASSERT_TRUE(load.Ok()) << r.File << " error " << int(load.Error);
    ASSERT_EQ(std::pair(load.Picture.Width(), load.Picture.Height()), std::pair(11, 7)) << r.File;
    for (int x = 0; x < 11; ++x) {
      EXPECT_EQ(load.Picture.Pixel(x, 0), r.Colours[r.TopRow[x] - '0']) << r.File << " x " << x;
    }
  }
}
