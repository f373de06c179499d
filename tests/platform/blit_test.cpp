// blit_test.cpp: block transfers with both raster operations, and stretching.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "platform/raster.h"
#include "support/image_compare.h"

namespace {

using platform::RasterOp;
using platform::Rgb;
using platform::Surface;
using testsupport::Numbered;
using testsupport::SameImage;

// The reference: pixel by pixel from the source as it was before, skipping
// what lies outside either surface.
Surface ByHand(Surface dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
               RasterOp op) {
  const Surface from = src;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!dst.Contains(dx + x, dy + y) || !from.Contains(sx + x, sy + y)) continue;
      const platform::Color c = from.Pixel(sx + x, sy + y);
      const platform::Color d = dst.Pixel(dx + x, dy + y);
      dst.SetPixel(dx + x, dy + y, op == RasterOp::Copy ? c : (~c | d | 0xFF000000u));
    }
  }
  return dst;
}

TEST(BitBlt, CopyIsClippedOnBothSidesAtEveryEdge) {
  const Surface src = Numbered(10, 8);
  const int places[] = {-12, -3, 0, 2, 7, 13};
  for (int d : places) {
    for (int s : places) {
      Surface dst(9, 7, Rgb(1, 2, 3));
      const Surface expected = ByHand(dst, d, d / 2, 6, 5, src, s, -s / 2, RasterOp::Copy);
      EXPECT_TRUE(platform::BitBlt(dst, d, d / 2, 6, 5, src, s, -s / 2, RasterOp::Copy));
      EXPECT_TRUE(SameImage("blit-clip", dst, expected)) << "dest " << d << " source " << s;
    }
  }
  Surface dst(4, 4);
  EXPECT_FALSE(platform::BitBlt(dst, 0, 0, -1, 2, src, 0, 0, RasterOp::Copy));
  EXPECT_TRUE(platform::BitBlt(dst, 0, 0, 0, 2, src, 0, 0, RasterOp::Copy));
}

// A block onto itself shifted, with either operation: every source pixel is
// read before anything overwrites it.
TEST(BitBlt, OverlappingAreasOfOneSurfaceBehaveLikeMemmove) {
  const std::pair<int, int> shifts[] = {{3, 2}, {-3, -2}, {2, 0}, {-2, 0}, {0, 1}, {4, -1}};
  for (auto [mx, my] : shifts) {
    for (RasterOp op : {RasterOp::Copy, RasterOp::MergePaint}) {
      Surface s = Numbered(14, 11);
      const Surface expected = ByHand(s, 3 + mx, 3 + my, 6, 5, s, 3, 3, op);
      platform::BitBlt(s, 3 + mx, 3 + my, 6, 5, s, 3, 3, op);
      EXPECT_TRUE(SameImage("blit-overlap", s, expected)) << mx << "," << my;
    }
  }
}

// Over black MergePaint gives the negative, 255 - c per channel; over white
// nothing changes, since any bit set in the destination stays set.
TEST(BitBlt, MergePaintOverBlackGivesTheNegative) {
  Surface src(2, 1, Rgb(0, 100, 255));
  src.SetPixel(1, 0, Rgb(17, 128, 200));
  Surface dst(3, 1, Rgb(0, 0, 0));
  platform::BitBlt(dst, 1, 0, 2, 1, src, 0, 0, RasterOp::MergePaint);
  EXPECT_EQ(std::tuple(dst.Pixel(0, 0), dst.Pixel(1, 0), dst.Pixel(2, 0)),
            std::tuple(Rgb(0, 0, 0), Rgb(255, 155, 0), Rgb(238, 127, 55)));
  Surface white(2, 1, Rgb(255, 255, 255));
  platform::BitBlt(white, 0, 0, 2, 1, src, 0, 0, RasterOp::MergePaint);
  EXPECT_TRUE(SameImage("mergepaint-white", white, Surface(2, 1, Rgb(255, 255, 255))));
}

TEST(StretchBlt, UniformColourStaysUniformInEveryDirection) {
  const platform::Color c = Rgb(201, 37, 94);
  const Surface src(37, 23, c);
  const std::pair<int, int> sizes[] = {{5, 3}, {241, 241}, {100, 7}, {7, 100}, {37, 23}};
  for (auto [w, h] : sizes) {
    Surface dst(w, h, Rgb(0, 0, 0));
    platform::StretchBlt(dst, {0, 0, w, h}, src, {0, 0, 37, 23});
    EXPECT_TRUE(SameImage("stretch-uniform", dst, Surface(w, h, c))) << w << "x" << h;
  }
}

TEST(StretchBlt, ShrinkingAveragesAndEnlargingInterpolates) {
  Surface checker(2, 2, Rgb(0, 10, 200));
  checker.SetPixel(1, 0, Rgb(200, 30, 0));
  checker.SetPixel(0, 1, Rgb(200, 30, 0));
  Surface one(1, 1);
  platform::StretchBlt(one, {0, 0, 1, 1}, checker, {0, 0, 2, 2});
  EXPECT_EQ(one.Pixel(0, 0), Rgb(100, 20, 100));

  // 1 x 2 to 1 x 4: outer pixels keep the end colours, inner ones mix 3:1.
  Surface pair(1, 2, Rgb(0, 0, 0));
  pair.SetPixel(0, 1, Rgb(200, 200, 200));
  Surface tall(1, 4);
  platform::StretchBlt(tall, {0, 0, 1, 4}, pair, {0, 0, 1, 2});
  const platform::Color column[] = {Rgb(0, 0, 0), Rgb(50, 50, 50), Rgb(150, 150, 150), Rgb(200, 200, 200)};
  for (int y = 0; y < 4; ++y) EXPECT_EQ(tall.Pixel(0, y), column[y]) << y;
}

// Twelve bands of 100 pixels: far shrinks average whole bands exactly, at
// ratios where weights in fixed point used to run out of range.
TEST(StretchBlt, FarShrinksAverageWholeBands) {
  Surface bands(1200, 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 1200; ++x) bands.SetPixel(x, y, Rgb(x / 100 * 20, 200 - x / 100 * 10, y % 2 * 10));
  }
  Surface twelve(12, 1);
  platform::StretchBlt(twelve, {0, 0, 12, 1}, bands, {0, 0, 1200, 30});
  for (int i = 0; i < 12; ++i) EXPECT_EQ(twelve.Pixel(i, 0), Rgb(i * 20, 200 - i * 10, 5)) << i;
  Surface three(3, 1);
  platform::StretchBlt(three, {0, 0, 3, 1}, bands, {0, 0, 1200, 30});
  // Each third averages four whole bands.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(three.Pixel(i, 0), Rgb(30 + 80 * i, 185 - 40 * i, 5)) << i;
  // A source rectangle reaching past the source is cut to it first.
  Surface cut(12, 1);
  platform::StretchBlt(cut, {0, 0, 12, 1}, bands, {0, 0, INT_MAX, 30});
  EXPECT_TRUE(SameImage("stretch-cut", cut, twelve));
}

TEST(StretchBlt, SameSizeCopiesAndClippingKeepsTheMapping) {
  const Surface src = Numbered(30, 20);
  Surface same(30, 20);
  platform::StretchBlt(same, {0, 0, 30, 20}, src, {0, 0, 30, 20});
  EXPECT_TRUE(SameImage("stretch-same", same, src));

  Surface whole(13, 9);
  platform::StretchBlt(whole, {0, 0, 13, 9}, src, {0, 0, 30, 20});
  // The same rectangle half outside a smaller target shows the same pixels.
  Surface part(8, 6, Rgb(1, 1, 1));
  platform::StretchBlt(part, {-5, -3, 8, 6}, src, {0, 0, 30, 20});
  EXPECT_TRUE(SameImage("stretch-clip", part, testsupport::Crop(whole, 5, 3, 8, 6)));
}

}  // namespace
