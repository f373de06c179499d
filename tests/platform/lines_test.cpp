// lines_test.cpp: pen lines, polylines and brush fills, pixel for pixel.
#include <gtest/gtest.h>

#include <array>

#include "platform/raster.h"
#include "support/image_compare.h"

namespace {

using platform::Rgb;
using platform::Surface;
using testsupport::FromArt;
using testsupport::SameImage;

constexpr platform::Color kBack = Rgb(192, 192, 192);
constexpr platform::Color kInk = Rgb(0, 0, 0);
const std::initializer_list<std::pair<char, platform::Color>> kLegend = {{'.', kBack},
                                                                         {'#', kInk}};

Surface Line(int w, int h, int x0, int y0, int x1, int y1) {
  Surface s(w, h, kBack);
  platform::DrawLine(s, x0, y0, x1, y1, kInk);
  return s;
}

TEST(DrawLine, LeavesOutTheEndPixelInAllEightDirections) {
  // From the centre of a 7 x 7 surface to each of the eight points 3 away.
  const std::array<std::pair<int, int>, 8> ends = {
      {{6, 3}, {6, 6}, {3, 6}, {0, 6}, {0, 3}, {0, 0}, {3, 0}, {6, 0}}};
  for (auto [ex, ey] : ends) {
    const Surface s = Line(7, 7, 3, 3, ex, ey);
    const int dx = (ex > 3) - (ex < 3);
    const int dy = (ey > 3) - (ey < 3);
    Surface expected(7, 7, kBack);
    for (int i = 0; i < 3; ++i) expected.SetPixel(3 + i * dx, 3 + i * dy, kInk);
    EXPECT_TRUE(SameImage("line-dir-" + std::to_string(ex) + std::to_string(ey), s, expected));
  }
}

TEST(DrawLine, ShallowAndSteepSlopes) {
  EXPECT_TRUE(SameImage("line-shallow", Line(8, 3, 0, 0, 6, 2),
                        FromArt({"##......",
                                 "..###...",
                                 ".....#.."},
                                kLegend)));
  EXPECT_TRUE(SameImage("line-steep", Line(3, 8, 2, 6, 0, 0),
                        FromArt({"...",
                                 "#..",
                                 ".#.",
                                 ".#.",
                                 ".#.",
                                 "..#",
                                 "..#",
                                 "..."},
                                kLegend)));
  // A zero-length line draws nothing: its only pixel is the end point.
  EXPECT_TRUE(SameImage("line-empty", Line(3, 3, 1, 1, 1, 1), Surface(3, 3, kBack)));
}

TEST(DrawLine, ClippingNeverChangesWhichPixelsAreSet) {
  // A long slanted line drawn into a small window must set exactly the pixels
  // that the same line sets in a big surface, seen through that window.
  const int x0 = -37, y0 = 90, x1 = 211, y1 = -55;
  Surface big(400, 400, kBack);
  platform::DrawLine(big, x0 + 100, y0 + 100, x1 + 100, y1 + 100, kInk);
  for (auto [w, h] : {std::pair{20, 20}, std::pair{1, 1}, std::pair{200, 3}}) {
    for (int ox : {0, 30, 57}) {
      Surface small(w, h, kBack);
      platform::DrawLine(small, x0 - ox, y0 - 30, x1 - ox, y1 - 30, kInk);
      Surface expected(w, h, kBack);
      platform::BitBlt(expected, 0, 0, w, h, big, ox + 100, 130, platform::RasterOp::Copy);
      EXPECT_TRUE(SameImage("line-clip", small, expected)) << w << "x" << h << " at " << ox;
    }
  }
}

TEST(DrawLine, FarOutsideOrHugeCoordinatesTouchNothing) {
  Surface s(5, 5, kBack);
  platform::DrawLine(s, -2000000000, 2, 2000000000, 2, kInk);  // crosses the surface
  platform::DrawLine(s, 2147483647, -2147483647 - 1, -2147483647 - 1, 2147483647, kInk);
  platform::DrawLine(s, 10, 0, 10, 5, kInk);  // beside it
  EXPECT_TRUE(SameImage("line-huge", s,
                        FromArt({".....", ".....", "#####", ".....", "....."}, kLegend)));
  Surface empty;
  platform::DrawLine(empty, 0, 0, 5, 5, kInk);
  EXPECT_TRUE(empty.IsEmpty());
}

TEST(DrawPolyline, LeavesOutOnlyTheLastPoint) {
  Surface s(5, 4, kBack);
  const std::array<platform::Point, 4> points = {{{0, 0}, {3, 0}, {3, 2}, {1, 2}}};
  platform::DrawPolyline(s, points, kInk);
  EXPECT_TRUE(SameImage("polyline", s,
                        FromArt({"####.",
                                 "...#.",
                                 "..##.",
                                 "....."},
                                kLegend)));
}

TEST(FillRect, RightAndBottomExclusiveAndClippedAtEveryEdge) {
  Surface s(6, 4, kBack);
  platform::FillRect(s, {1, 1, 3, 3}, kInk);
  EXPECT_TRUE(SameImage("fill", s,
                        FromArt({"......",
                                 ".##...",
                                 ".##...",
                                 "......"},
                                kLegend)));
  Surface c(6, 4, kBack);
  platform::FillRect(c, {-5, -5, 1, 100}, kInk);
  platform::FillRect(c, {5, -1, 99, 1}, kInk);
  platform::FillRect(c, {3, 3, 3, 9}, kInk);  // empty
  platform::FillRect(c, {4, 2, 2, 9}, kInk);  // inverted
  EXPECT_TRUE(SameImage("fill-clip", c,
                        FromArt({"#....#",
                                 "#.....",
                                 "#.....",
                                 "#....."},
                                kLegend)));
}

}  // namespace
