// cl0010gf_test.cpp: the frames, the selection mark and the block copy of the
// utility object, checked over the whole surface.
#include <gtest/gtest.h>

#include "support/image_compare.h"
#include "util/CL0010GF.h"

namespace {

using classlib::clGray;
using classlib::clSilver;
using classlib::clWhite;
using platform::Surface;

// Inclusive runs, as the frames' pixel sets are usually stated; the cell's
// top-left corner is at (1, 2), so a swapped or dropped coordinate shows.
constexpr int kX = 1, kY = 2;
void Row(Surface& s, int y, int x0, int x1, platform::Color c) {
  for (int x = x0; x <= x1; ++x) s.SetPixel(kX + x, kY + y, c);
}
void Column(Surface& s, int x, int y0, int y1, platform::Color c) {
  for (int y = y0; y <= y1; ++y) s.SetPixel(kX + x, kY + y, c);
}

// What a frame draws on a 48 x 48 cell, with one spare row and column
// beyond it to show nothing spills.
Surface Framed(void (TClsCL0010GF::*frame)(classlib::TCanvas*, int, int, int, int)) {
  Surface s(kX + 49, kY + 49, clSilver);
  classlib::TCanvas canvas(&s);
  canvas.SetPenColor(classlib::clRed);
  (Utility.*frame)(&canvas, kX, kY, kX + 48, kY + 48);
  EXPECT_EQ(canvas.PenColor(), classlib::clRed) << "the pen colour is restored";
  return s;
}

// The two rings of an edge: `a` on the left and top, `b` on the right and
// bottom, with the corners as the line order leaves them.
Surface Edge48(platform::Color a, platform::Color b) {
  Surface s(kX + 49, kY + 49, clSilver);
  Column(s, 0, 1, 47, a);
  Row(s, 0, 0, 46, a);
  Column(s, 47, 0, 46, b);
  Row(s, 47, 1, 47, b);
  Column(s, 1, 2, 46, a);
  Row(s, 1, 1, 45, a);
  Column(s, 46, 1, 45, b);
  Row(s, 46, 2, 46, b);
  return s;
}

TEST(DrawFrames, SunkenRaisedAndSelectOnACell) {
  using testsupport::SameImage;
  EXPECT_TRUE(SameImage("sunken48", Framed(&TClsCL0010GF::DrawSunkenFrame), Edge48(clGray, clWhite)));
  EXPECT_TRUE(SameImage("raised48", Framed(&TClsCL0010GF::DrawRaisedFrame), Edge48(clWhite, clGray)));
  // The select mark: an engraved rectangle 4 pixels in.
  Surface select(kX + 49, kY + 49, clSilver);
  Row(select, 4, 4, 43, clGray);
  Row(select, 43, 4, 43, clGray);
  Column(select, 4, 4, 43, clGray);
  Column(select, 43, 4, 43, clGray);
  Column(select, 5, 6, 42, clWhite);
  Row(select, 5, 5, 42, clWhite);
  Column(select, 44, 5, 43, clWhite);
  Row(select, 44, 6, 44, clWhite);
  EXPECT_TRUE(SameImage("select48", Framed(&TClsCL0010GF::DrawSelectFrame), select));
}

TEST(DrawFrames, SmallOddRectangle) {
  Surface s(8, 6, clSilver);
  classlib::TCanvas canvas(&s);
  Utility.DrawSunkenFrame(&canvas, 0, 0, 7, 5);
  EXPECT_TRUE(testsupport::SameImage("sunken7x5", s,
                                     testsupport::FromArt({"GGGGGGW.",
                                                           "GGGGGWW.",
                                                           "GG...WW.",
                                                           "GGWWWWW.",
                                                           "GWWWWWW.",
                                                           "........"},
                                                          {{'.', clSilver}, {'G', clGray}, {'W', clWhite}})));
}

TEST(CopyBuffer, CopiesTheSourceBlockAndCutsItAtTheEdge) {
  Surface src(40, 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) src.SetPixel(x, y, platform::Rgb(x * 5, y * 8, 77));
  }
  Surface dst(200, 100, clSilver);
  classlib::TCanvas from(&src);
  classlib::TCanvas to(&dst);
  EXPECT_NE(Utility.CopyBuffer(&to, 100, 60, 130, 80, &from, 0, 0, 30, 20), 0);
  Surface expected(200, 100, clSilver);
  platform::BitBlt(expected, 100, 60, 30, 20, src, 0, 0, platform::RasterOp::Copy);
  EXPECT_TRUE(testsupport::SameImage("copybuffer", dst, expected));
  // Past the destination's edge the block is cut off, not wrapped.
  EXPECT_NE(Utility.CopyBuffer(&to, 190, 95, 220, 115, &from, 0, 0, 30, 20), 0);
  EXPECT_EQ(dst.Pixel(199, 99), src.Pixel(9, 4));
  classlib::TCanvas none;
  EXPECT_EQ(Utility.CopyBuffer(&to, 0, 0, 5, 5, &none, 0, 0, 5, 5), 0);
}

}  // namespace
