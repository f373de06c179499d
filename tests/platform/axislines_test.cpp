// axislines_test.cpp: horizontal and vertical pen lines, which take a short
// path of their own, against stepping one pixel at a time.
#include <gtest/gtest.h>

#include "platform/raster.h"
#include "support/image_compare.h"

namespace {

using platform::Rgb;
using platform::Surface;

constexpr platform::Color kBack = Rgb(192, 192, 192);
constexpr platform::Color kInk = Rgb(128, 128, 128);

// From (x0, y0) one pixel at a time towards (x1, y1), the end point left out,
// only pixels on the surface set.
Surface Stepped(int w, int h, int x0, int y0, int x1, int y1) {
  Surface s(w, h, kBack);
  const int dx = (x1 > x0) - (x1 < x0);
  const int dy = (y1 > y0) - (y1 < y0);
  for (int x = x0, y = y0; x != x1 || y != y1; x += dx, y += dy) {
    if (s.Contains(x, y)) s.SetPixel(x, y, kInk);
  }
  return s;
}

TEST(DrawLine, AxisLinesMatchSteppingAtEveryClipPosition) {
  // Every start and end from outside one edge to outside the other, both
  // directions, on rows and columns inside, on and beyond the surface.
  for (int fixed = -1; fixed <= 4; ++fixed) {
    for (int from = -3; from <= 7; ++from) {
      for (int to = -3; to <= 7; ++to) {
        Surface row(5, 4, kBack);
        platform::DrawLine(row, from, fixed, to, fixed, kInk);
        EXPECT_TRUE(row == Stepped(5, 4, from, fixed, to, fixed))
            << "row " << fixed << " from " << from << " to " << to;
        Surface column(4, 5, kBack);
        platform::DrawLine(column, fixed, from, fixed, to, kInk);
        EXPECT_TRUE(column == Stepped(4, 5, fixed, from, fixed, to))
            << "column " << fixed << " from " << from << " to " << to;
      }
    }
  }
}

TEST(DrawLine, AxisLinesWithExtremeEndsStayOnTheSurface) {
  Surface s(3, 3, kBack);
  platform::DrawLine(s, 1, 2147483647, 1, -2147483647 - 1, kInk);  // top to bottom and past
  platform::DrawLine(s, -2147483647 - 1, 0, 2147483647, 0, kInk);
  EXPECT_TRUE(testsupport::SameImage(
      "axis-extreme", s,
      testsupport::FromArt({"###", ".#.", ".#."}, {{'.', kBack}, {'#', kInk}})));
}

}  // namespace
