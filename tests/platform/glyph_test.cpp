// glyph_test.cpp: masked glyphs and their disabled form.
#include <gtest/gtest.h>

#include <climits>

#include "platform/raster.h"
#include "support/image_compare.h"

namespace {

using platform::Rgb;
using platform::Surface;
using testsupport::FromArt;
using testsupport::SameImage;

const std::initializer_list<std::pair<char, platform::Color>> kLegend = {
    {'.', Rgb(192, 192, 192)}, {'t', Rgb(0, 128, 0)},     {'K', Rgb(0, 0, 0)},
    {'Y', Rgb(255, 255, 0)},   {'B', Rgb(0, 0, 255)},     {'G', Rgb(128, 128, 128)},
    {'W', Rgb(255, 255, 255)}, {'r', Rgb(255, 0, 0)}};

TEST(DrawMasked, OnlyOpaquePixelsChangeTheTarget) {
  const platform::MaskedGlyph glyph =
      platform::MaskFromColor(FromArt({"tKt", "YBt"}, kLegend), Rgb(0, 128, 0));
  Surface s = FromArt({"rrrr", "rrrr", "rrrr"}, kLegend);
  platform::DrawMasked(s, 1, 1, glyph);
  EXPECT_TRUE(SameImage("masked", s, FromArt({"rrrr", "rrKr", "rYBr"}, kLegend)));

  // Clipped at every edge: only the glyph's visible opaque pixels land.
  Surface c = FromArt({"rr", "rr"}, kLegend);
  platform::DrawMasked(c, -1, 0, glyph);
  platform::DrawMasked(c, 1, -1, glyph);
  platform::DrawMasked(c, 2, 2, glyph);
  platform::DrawMasked(c, -3, -2, glyph);
  // Positions at the ends of int clip the glyph away instead of wrapping.
  for (const int distant : {INT_MIN, INT_MIN + 1, INT_MAX}) {
    platform::DrawMasked(c, distant, 0, glyph);
    platform::DrawMasked(c, 0, distant, glyph);
  }
  EXPECT_TRUE(SameImage("masked-clip", c, FromArt({"KY", "Br"}, kLegend)));
}

TEST(DisabledGlyph, GreyShapeOverWhiteCopyOffsetByOne) {
  // Black and blue are dark and form the shape; yellow is light and drops
  // out; green is the transparent colour.
  const platform::MaskedGlyph glyph =
      platform::MaskFromColor(FromArt({"KKt", "tBY", "ttt"}, kLegend), Rgb(0, 128, 0));
  const platform::MaskedGlyph disabled = platform::DisabledGlyph(glyph);
  ASSERT_EQ(disabled.Image.Width(), 4);
  ASSERT_EQ(disabled.Image.Height(), 4);
  Surface s(4, 4, Rgb(192, 192, 192));
  platform::DrawMasked(s, 0, 0, disabled);
  EXPECT_TRUE(SameImage("disabled", s, FromArt({"GG..", ".GW.", "..W.", "...."}, kLegend)));
}

}  // namespace
