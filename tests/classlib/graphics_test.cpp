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

TEST(TBitmap, StartsEmptyAndResizingKeepsTheSharedArea) {
  TBitmap bmp;
  EXPECT_EQ(bmp.Width(), 0);
  EXPECT_EQ(bmp.Height(), 0);
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

TEST(TBitmap, RefusedSizesThrowAndLeaveTheBitmapAsItWas) {
  TBitmap bmp;
  bmp.SetWidth(5);
  bmp.SetHeight(4);
  EXPECT_THROW(bmp.SetWidth(-1), classlib::Exception);
  EXPECT_THROW(bmp.SetHeight(-7), classlib::Exception);
  bmp.SetHeight(1 << 15);
  // 2^15 x 2^15 pixels of 4 bytes is 4 GiB, far over the budget of 256 MiB;
  // 8193 x 8192 is just over it. Neither is attempted.
  EXPECT_THROW(bmp.SetWidth(1 << 15), classlib::Exception);
  bmp.SetHeight(8192);
  EXPECT_THROW(bmp.SetWidth(8193), classlib::Exception);
  EXPECT_EQ(bmp.Width(), 5);
  EXPECT_EQ(bmp.Height(), 8192);
  try {
    bmp.SetWidth(-2);
  } catch (const classlib::Exception& e) {
    EXPECT_FALSE(e.Message().isEmpty());
  }
}

TEST(TBitmap, AllocationFailureHookMakesTheNextAllocationThrow) {
  HookGuard guard;
  int calls = 0;
  TBitmap::SetAllocationFailureHook([&calls] { return ++calls == 2; });
  TBitmap first;  // call 1: succeeds
  EXPECT_THROW(TBitmap second, classlib::Exception);  // call 2 fails
  first.SetWidth(8);  // call 3: succeeds
  EXPECT_EQ(first.Width(), 8);

  TBitmap::SetAllocationFailureHook([] { return true; });
  EXPECT_THROW(first.SetHeight(8), classlib::Exception);
  EXPECT_EQ(first.Height(), 0);
  TBitmap::SetAllocationFailureHook({});
  first.SetHeight(8);
  EXPECT_EQ(first.Height(), 8);
}

}  // namespace
