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

// From (x0, y0) one pixel at a time along a row, column or diagonal towards
// (x1, y1), the end point left out, only pixels on the surface set.
Surface Stepped(int w, int h, int x0, int y0, int x1, int y1) {
  Surface s(w, h, kBack);
  const int dx = (x1 > x0) - (x1 < x0);
  const int dy = (y1 > y0) - (y1 < y0);
  for (int x = x0, y = y0; x != x1 || y != y1; x += dx, y += dy) {
    if (s.Contains(x, y)) s.SetPixel(x, y, kInk);
  }
  return s;
}

TEST(DrawLine, LeavesOutTheEndPixelInAllEightDirections) {
  for (int ex : {0, 3, 6}) {
    for (int ey : {0, 3, 6}) {
      EXPECT_TRUE(SameImage("line-dir", Line(7, 7, 3, 3, ex, ey), Stepped(7, 7, 3, 3, ex, ey)))
          << "towards " << ex << ", " << ey;
    }
  }
}

// Rows and columns take a short path of their own: every start and end from
// outside one edge to outside the other, both ways, on lines inside, on and
// beyond the surface.
TEST(DrawLine, AxisLinesMatchSteppingAtEveryClipPosition) {
  for (int fixed = -1; fixed <= 4; ++fixed) {
    for (int from = -3; from <= 7; ++from) {
      for (int to = -3; to <= 7; ++to) {
        EXPECT_TRUE(Line(5, 4, from, fixed, to, fixed) == Stepped(5, 4, from, fixed, to, fixed))
            << "row " << fixed << " from " << from << " to " << to;
        EXPECT_TRUE(Line(4, 5, fixed, from, fixed, to) == Stepped(4, 5, fixed, from, fixed, to))
            << "column " << fixed << " from " << from << " to " << to;
      }
    }
  }
}

TEST(DrawLine, ShallowAndSteepSlopes) {
  EXPECT_TRUE(SameImage("line-shallow", Line(8, 3, 0, 0, 6, 2),
                        FromArt({"##......", "..###...", ".....#.."}, kLegend)));
  EXPECT_TRUE(SameImage("line-steep", Line(3, 8, 2, 6, 0, 0),
                        FromArt({"...", "#..", ".#.", ".#.", ".#.", "..#", "..#", "..."}, kLegend)));
}

TEST(DrawLine, ExtremeCoordinatesStayOnTheSurface) {
  Surface s(5, 5, kBack);
  platform::DrawLine(s, -2000000000, 2, 2000000000, 2, kInk);  // crosses the surface
  platform::DrawLine(s, 2147483647, -2147483647 - 1, -2147483647 - 1, 2147483647, kInk);
  platform::DrawLine(s, 1, 2147483647, 1, -2147483647 - 1, kInk);
  platform::DrawLine(s, 10, 0, 10, 5, kInk);  // beside it
  EXPECT_TRUE(SameImage("line-huge", s,
                        FromArt({".#...", ".#...", "#####", ".#...", ".#..."}, kLegend)));
  Surface empty;
  platform::DrawLine(empty, 0, 0, 5, 5, kInk);
  EXPECT_TRUE(empty.IsEmpty());
}

TEST(DrawPolyline, LeavesOutOnlyTheLastPoint) {
  Surface s(5, 4, kBack);
  const std::array<platform::Point, 4> points = {{{0, 0}, {3, 0}, {3, 2}, {1, 2}}};
  platform::DrawPolyline(s, points, kInk);
  EXPECT_TRUE(SameImage("polyline", s, FromArt({"####.", "...#.", "..##.", "....."}, kLegend)));
}

TEST(FillRect, RightAndBottomExclusiveAndClippedAtEveryEdge) {
  Surface s(6, 4, kBack);
  platform::FillRect(s, {1, 1, 3, 3}, kInk);
  platform::FillRect(s, {-5, 3, 1, 100}, kInk);
  platform::FillRect(s, {5, -1, 99, 1}, kInk);
  platform::FillRect(s, {3, 3, 3, 9}, kInk);  // empty
  platform::FillRect(s, {4, 2, 2, 9}, kInk);  // inverted
  EXPECT_TRUE(SameImage("fill", s, FromArt({".....#", ".##...", ".##...", "#....."}, kLegend)));
}

}  // namespace
