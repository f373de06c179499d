// bmppixels_test.cpp: run-length expansion and the plain-form rewrite of BMP
// files, and the verdict of both layers on every file of the corpus.
#include <gtest/gtest.h>

#include <string>

#include "platform/bmpcanonical.h"
#include "platform/bmpheader.h"
#include "platform/bmprle.h"
#include "support/bmp_bytes.h"

namespace {

using platform::BmpError;
using testsupport::BmpSpec;
using testsupport::Bytes;

struct Expanded {
  BmpError Error;
  std::vector<std::string> Rows;  // one digit or letter per index, bottom row first
};

// Expands into width x height indices (stride = width) prefilled with zero.
Expanded Expand(const Bytes& stream, int width, int height, bool fourBit = false) {
  Bytes indices(static_cast<std::size_t>(width * height), 0);
  const platform::RleTarget target{width, height, fourBit, indices,
                                   static_cast<std::size_t>(width)};
  Expanded e{platform::ExpandBmpRle(stream, target), {}};
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x) row += "0123456789ABCDEF"[indices[static_cast<std::size_t>(y * width + x)] & 15];
    e.Rows.push_back(row);
  }
  return e;
}

TEST(BmpRle, EightBitRunsLiteralsJumpsAndEarlyEnds) {
  const Expanded e = Expand({3, 7, 0, 3, 1, 2, 3, 0,  // three 7s, literal 1 2 3 + pad
                             0, 0,                    // end of row
                             0, 2, 2, 1,              // jump right 2, up 1
                             1, 9, 0, 0,              // one 9, end of row
                             2, 5, 0, 1,              // two 5s, end of picture
                             0xEE, 0xEE},             // ignored
                            6, 4);
  EXPECT_EQ(e.Error, BmpError::None);
  EXPECT_EQ(e.Rows, (std::vector<std::string>{"777123", "000000", "009000", "550000"}));
}

TEST(BmpRle, FourBitRunsAlternateNibbles) {
  const Expanded e = Expand({5, 0x12, 0, 0,              // 1 2 1 2 1
                             0, 3, 0xAB, 0xC0, 0, 1},  // literal A B C, padded to 2 bytes
                            5, 2, true);
  EXPECT_EQ(e.Error, BmpError::None);
  EXPECT_EQ(e.Rows, (std::vector<std::string>{"12121", "ABC00"}));
}

TEST(BmpRle, AFullPictureNeedsNoClosingEscape) {
  EXPECT_EQ(Expand({2, 1, 0, 0, 2, 1}, 2, 2).Error, BmpError::None);
  EXPECT_EQ(Expand({2, 1, 0, 0, 2, 1, 0, 0}, 2, 2).Error, BmpError::None);
  EXPECT_EQ(Expand({2, 1, 0, 0, 1, 1}, 2, 2).Error, BmpError::PixelDataShort);
}

TEST(BmpRle, StreamsCutShortAreRefused) {
  const Bytes cut[] = {
      {},                 // nothing at all
      {2, 1, 0, 0},       // one row of two
      {2},                // half a pair
      {0},                // half an escape
      {0, 2, 1},          // jump without its rows
      {0, 4, 1, 2, 3},    // literal missing a byte
      {0, 3, 1, 2, 3},    // literal missing its pad
  };
  for (const Bytes& stream : cut) {
    EXPECT_EQ(Expand(stream, 4, 2).Error, BmpError::PixelDataShort) << stream.size() << " bytes";
  }
}

TEST(BmpRle, AnythingLeavingTheRowOrPictureIsRefused) {
  const Bytes bad[] = {
      {5, 1},                          // run past the row
      {2, 1, 3, 1},                    // second run past the row
      {0, 5, 1, 1, 1, 1, 1, 0},        // literal past the row
      {0, 2, 5, 0},                    // jump past the row
      {0, 2, 0, 2},                    // jump below the last row
      {0, 2, 0, 0, 0, 1},              // jump that goes nowhere
      {4, 1, 0, 0, 4, 1, 0, 0, 1, 1},  // run after the last row
      {4, 1, 0, 0, 4, 1, 0, 0, 0, 0},  // end of row after the last row
  };
  for (const Bytes& stream : bad) {
    EXPECT_EQ(Expand(stream, 4, 2).Error, BmpError::BadRle) << int(stream[0]) << "," << int(stream[1]);
  }
  EXPECT_EQ(Expand({9, 0x11}, 8, 1, true).Error, BmpError::BadRle);
}

platform::BmpCanonicalResult Canonical(const Bytes& file) {
  const auto parsed = platform::ParseBmpHeader(file, file.size());
  EXPECT_TRUE(parsed.Ok()) << platform::BmpErrorName(parsed.Error);
  return platform::MakeCanonicalBmp(parsed.Header, file);
}

std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(BmpCanonical, CorePaletteGrowsToQuadsAndTopDownRowsTurnOver) {
  BmpSpec s;
  s.InfoSize = 12;
  s.Width = 3;
  s.Height = 2;
  s.Bits = 8;
  s.Palette.assign(256, {0, 0, 0});
  s.Palette[1] = {10, 20, 30};
  s.Pixels = {1, 1, 1, 0, 2, 2, 2, 0};
  const auto r = Canonical(s.Build());
  ASSERT_TRUE(r.Ok());
  const Bytes& b = r.Bytes;
  EXPECT_EQ(U32At(b, 14), 40u);
  EXPECT_EQ(U32At(b, 10), 14u + 40u + 1024u);
  EXPECT_EQ(U32At(b, 46), 256u) << "colours used";
  EXPECT_EQ((Bytes{b[58], b[59], b[60], b[61]}), (Bytes{30, 20, 10, 0})) << "palette entry 1";
  EXPECT_EQ(b.size(), 14u + 40u + 1024u + 8u);

  BmpSpec top;
  top.Width = 1;
  top.Height = -3;
  top.Pixels = {1, 1, 1, 0, 2, 2, 2, 0, 3, 3, 3, 0};
  const auto flipped = Canonical(top.Build());
  ASSERT_TRUE(flipped.Ok());
  EXPECT_EQ(U32At(flipped.Bytes, 22), 3u) << "stored bottom-up";
  EXPECT_EQ(Bytes(flipped.Bytes.begin() + 54, flipped.Bytes.end()),
            (Bytes{3, 3, 3, 0, 2, 2, 2, 0, 1, 1, 1, 0}));
}

TEST(BmpCanonical, BitFieldsKeepTheirMasksAndDropTheRest) {
  BmpSpec s;
  s.InfoSize = 124;
  s.Width = 1;
  s.Height = 1;
  s.Bits = 16;
  s.Compression = 3;
  s.Masks = {0xF800, 0x07E0, 0x001F};
  s.Pixels = {0x34, 0x12, 0, 0, 0xAA, 0xBB};  // one pixel, padding, trailing bytes
  const auto r = Canonical(s.Build());
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(U32At(r.Bytes, 30), 3u);
  EXPECT_EQ(U32At(r.Bytes, 54), 0xF800u);
  EXPECT_EQ(U32At(r.Bytes, 62), 0x001Fu);
  EXPECT_EQ(U32At(r.Bytes, 10), 66u);
  EXPECT_EQ(Bytes(r.Bytes.begin() + 66, r.Bytes.end()), (Bytes{0x34, 0x12, 0, 0}));
}

TEST(BmpCanonical, RunLengthComesOutAsEightBitRows) {
  BmpSpec s;
  s.Width = 3;
  s.Height = 2;
  s.Bits = 4;
  s.Compression = 2;
  s.ColoursUsed = 3;
  s.Palette.assign(3, {1, 1, 1});
  s.Pixels = {3, 0x12, 0, 1};
  const auto r = Canonical(s.Build());
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.Bytes[28], 8) << "bits per pixel";
  EXPECT_EQ(U32At(r.Bytes, 30), 0u) << "uncompressed";
  EXPECT_EQ(U32At(r.Bytes, 46), 3u);
  EXPECT_EQ(Bytes(r.Bytes.begin() + 54 + 12, r.Bytes.end()), (Bytes{1, 2, 1, 0, 0, 0, 0, 0}));
}

TEST(BmpCanonical, IndicesPastThePaletteAreRefused) {
  auto withPixels = [](std::uint16_t bits, int colours, Bytes pixels) {
    BmpSpec s;
    s.Width = 3;
    s.Height = 1;
    s.Bits = bits;
    s.ColoursUsed = static_cast<std::uint32_t>(colours);
    s.Palette.resize(static_cast<std::size_t>(colours));  // all black
    s.Pixels = std::move(pixels);
    return Canonical(s.Build()).Error;
  };
  EXPECT_EQ(withPixels(8, 3, {0, 1, 2, 0}), BmpError::None);
  EXPECT_EQ(withPixels(8, 3, {0, 3, 2, 0}), BmpError::BadColourIndex);
  EXPECT_EQ(withPixels(8, 3, {0, 1, 2, 0xFF}), BmpError::None) << "padding is no pixel";
  EXPECT_EQ(withPixels(4, 5, {0x04, 0x30, 0, 0}), BmpError::None);
  EXPECT_EQ(withPixels(4, 5, {0x04, 0x50, 0, 0}), BmpError::BadColourIndex);
  EXPECT_EQ(withPixels(4, 5, {0x04, 0x0F, 0, 0}), BmpError::None) << "fourth nibble is padding";
  EXPECT_EQ(withPixels(1, 1, {0x00, 0, 0, 0}), BmpError::None);
  EXPECT_EQ(withPixels(1, 1, {0x20, 0, 0, 0}), BmpError::BadColourIndex);
  EXPECT_EQ(withPixels(1, 1, {0x1F, 0, 0, 0}), BmpError::None) << "bits past the width";
}

// The corpus lists what each file must come to; both layers together must
// agree, and every accepted file must come out in the plain form.
TEST(BmpCorpus, EveryFileGetsItsVerdict) {
  const auto corpus = testsupport::BmpCorpus();
  if (corpus.empty()) GTEST_SKIP() << "python3 could not generate the corpus";
  for (const auto& entry : corpus) {
    const Bytes file = testsupport::ReadFile(testsupport::BmpCorpusDir() / entry.Name);
    const auto parsed = platform::ParseBmpHeader(file, file.size());
    BmpError error = parsed.Error;
    if (parsed.Ok()) {
      const auto canonical = platform::MakeCanonicalBmp(parsed.Header, file);
      error = canonical.Error;
      if (canonical.Ok()) {
        const auto again = platform::ParseBmpHeader(canonical.Bytes, canonical.Bytes.size());
        EXPECT_TRUE(again.Ok() && again.Header.InfoSize == 40 && !again.Header.TopDown &&
                    again.Header.PixelEnd() == canonical.Bytes.size())
            << entry.Name;
      }
    }
    const std::string verdict = error == BmpError::None ? "ok" : std::string(platform::BmpErrorName(error));
    EXPECT_EQ(verdict, entry.Verdict) << entry.Name;
  }
}

}  // namespace
