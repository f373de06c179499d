// graphics_test.cpp: canvas drawing and bitmap sizing, with the memory seam.
#include <gtest/gtest.h>

#include <array>

#include "classlib/exception.h"
#include "classlib/graphics.h"
#include "support/image_compare.h"

namespace {

using classlib::clBlack;
using classlib::clRed;
using classlib::clSilver;
using classlib::clWhite;
using classlib::TBitmap;
using testsupport::FromArt;
using testsupport::SameImage;

const std::initializer_list<std::pair<char, platform::Color>> kLegend = {
    {'.', clSilver}, {'#', clBlack}, {'r', clRed}, {'W', clWhite}};

// Removes the allocation hook even when a test fails halfway.
struct HookGuard {
  ~HookGuard() { TBitmap::SetAllocationFailureHook({}); }
};

TEST(TCanvas, PenLinesBrushFillsAndThePenPosition) {
  platform::Surface s(6, 4, clSilver);
  classlib::TCanvas canvas(&s);
  canvas.MoveTo(0, 0);
  canvas.LineTo(4, 0);
  canvas.LineTo(4, 3);
  EXPECT_EQ(canvas.PenPos(), (classlib::TPoint{4, 3}));
  canvas.SetPenColor(clRed);
  const std::array<classlib::TPoint, 3> points = {{{0, 3}, {0, 1}, {2, 1}}};
  canvas.Polyline(points);
  EXPECT_EQ(canvas.PenPos(), (classlib::TPoint{4, 3}));  // Polyline leaves it alone
  canvas.SetBrushColor(clWhite);
  canvas.FillRect({5, 2, 9, 9});
  EXPECT_TRUE(SameImage("canvas", s,
                        FromArt({"#####.",
                                 "rr..#.",
                                 "r...#W",
                                 "r....W"},
                                kLegend)));
  classlib::TCanvas detached;  // no surface: drawing does nothing, harmlessly
  detached.LineTo(3, 3);
  detached.FillRect({0, 0, 5, 5});
  EXPECT_EQ(detached.PenPos(), (classlib::TPoint{3, 3}));
}

TEST(TBitmap, NewPixelsAreWhiteAndResizingKeepsTheSharedArea) {
  TBitmap bmp;
  bmp.SetWidth(3);
  bmp.SetHeight(2);
  EXPECT_TRUE(SameImage("bitmap-new", bmp.Surface(), FromArt({"WWW", "WWW"}, kLegend)));
  bmp.Canvas()->SetBrushColor(clBlack);
  bmp.Canvas()->FillRect({0, 0, 3, 2});
  bmp.Canvas()->SetPenColor(clRed);
  bmp.Canvas()->MoveTo(1, 1);
  bmp.Canvas()->LineTo(3, 1);
  bmp.SetWidth(4);
  bmp.SetHeight(3);
  EXPECT_TRUE(SameImage("bitmap-grown", bmp.Surface(),
                        FromArt({"###W", "#rrW", "WWWW"}, kLegend)));
  bmp.SetWidth(2);
  EXPECT_TRUE(SameImage("bitmap-shrunk", bmp.Surface(), FromArt({"##", "#r", "WW"}, kLegend)));
}

// Negative sizes, sizes over the 256 MiB budget (8193 x 8192 just over it,
// 2^15 squared far over) and a failed allocation all throw and leave the
// bitmap as it was.
TEST(TBitmap, RefusedSizesThrowAndLeaveTheBitmapAsItWas) {
  HookGuard guard;
  TBitmap bmp;
  bmp.SetWidth(5);
  bmp.SetHeight(4);
  EXPECT_THROW(bmp.SetWidth(-1), classlib::Exception);
  EXPECT_THROW(bmp.SetHeight(-7), classlib::Exception);
  bmp.SetHeight(1 << 15);
  EXPECT_THROW(bmp.SetWidth(1 << 15), classlib::Exception);
  bmp.SetHeight(8192);
  EXPECT_THROW(bmp.SetWidth(8193), classlib::Exception);
  TBitmap::SetAllocationFailureHook([] { return true; });
  EXPECT_THROW(bmp.SetHeight(8), classlib::Exception);
  EXPECT_THROW(TBitmap other, classlib::Exception);
  EXPECT_EQ(std::pair(bmp.Width(), bmp.Height()), std::pair(5, 8192));
}

}  // namespace
