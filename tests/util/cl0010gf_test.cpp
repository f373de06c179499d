// cl0010gf_test.cpp: the frames, the selection mark and the block copy of the
// utility object, checked over the whole surface.
#include <gtest/gtest.h>

#include "support/image_compare.h"
#include "util/CL0010GF.h"

namespace {

using classlib::clGray;
using classlib::clRed;
using classlib::clSilver;
using classlib::clWhite;
using platform::Surface;
using testsupport::FromArt;
using testsupport::SameImage;

const std::initializer_list<std::pair<char, platform::Color>> kLegend = {
    {'.', clSilver}, {'G', clGray}, {'W', clWhite}};

// Inclusive runs, as the frames' pixel sets are usually stated.
void Row(Surface& s, int y, int x0, int x1, platform::Color c) {
  for (int x = x0; x <= x1; ++x) s.SetPixel(x, y, c);
}
void Column(Surface& s, int x, int y0, int y1, platform::Color c) {
  for (int y = y0; y <= y1; ++y) s.SetPixel(x, y, c);
}

// The two rings of a 48 x 48 edge: `a` on the left and top, `b` on the right
// and bottom, with the corners as the line order leaves them.
Surface Edge48(platform::Color a, platform::Color b) {
  Surface s(50, 50, clSilver);  // one spare row and column show nothing spills
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

TEST(DrawFrames, SunkenAndRaisedOnACell) {
  Surface s(50, 50, clSilver);
  classlib::TCanvas canvas(&s);
  Utility.DrawSunkenFrame(&canvas, 0, 0, 48, 48);
  EXPECT_TRUE(SameImage("sunken48", s, Edge48(clGray, clWhite)));

  Surface r(50, 50, clSilver);
  classlib::TCanvas raised(&r);
  Utility.DrawRaisedFrame(&raised, 0, 0, 48, 48);
  EXPECT_TRUE(SameImage("raised48", r, Edge48(clWhite, clGray)));
}

TEST(DrawFrames, SmallOddRectangle) {
  Surface s(8, 6, clSilver);
  classlib::TCanvas canvas(&s);
  Utility.DrawSunkenFrame(&canvas, 0, 0, 7, 5);
  EXPECT_TRUE(SameImage("sunken7x5", s,
                        FromArt({"GGGGGGW.",
                                 "GGGGGWW.",
                                 "GG...WW.",
                                 "GGWWWWW.",
                                 "GWWWWWW.",
                                 "........"},
                                kLegend)));
  Surface r(8, 6, clSilver);
  classlib::TCanvas raised(&r);
  Utility.DrawRaisedFrame(&raised, 0, 0, 7, 5);
  EXPECT_TRUE(SameImage("raised7x5", r,
                        FromArt({"WWWWWWG.",
                                 "WWWWWGG.",
                                 "WW...GG.",
                                 "WWGGGGG.",
                                 "WGGGGGG.",
                                 "........"},
                                kLegend)));
}

TEST(DrawSelectFrame, EngravedRectangleOnACell) {
  Surface s(49, 49, clSilver);
  classlib::TCanvas canvas(&s);
  Utility.DrawSelectFrame(&canvas, 0, 0, 48, 48);
  Surface expected(49, 49, clSilver);
  Row(expected, 4, 4, 43, clGray);
  Row(expected, 43, 4, 43, clGray);
  Column(expected, 4, 4, 43, clGray);
  Column(expected, 43, 4, 43, clGray);
  Column(expected, 5, 6, 42, clWhite);
  Row(expected, 5, 5, 42, clWhite);
  Column(expected, 44, 5, 43, clWhite);
  Row(expected, 44, 6, 44, clWhite);
  EXPECT_TRUE(SameImage("select48", s, expected));
}

TEST(DrawSelectFrame, UsesAllFourCoordinates) {
  Surface s(16, 18, clSilver);
  classlib::TCanvas canvas(&s);
  Utility.DrawSelectFrame(&canvas, 1, 2, 14, 17);
  EXPECT_TRUE(SameImage("select-offset", s,
                        FromArt({"................",
                                 "................",
                                 "................",
                                 "................",
                                 "................",
                                 "................",
                                 ".....GGGGG......",
                                 ".....GWWWGW.....",
                                 ".....GW..GW.....",
                                 ".....GW..GW.....",
                                 ".....GW..GW.....",
                                 ".....GW..GW.....",
                                 ".....GGGGGW.....",
                                 ".......WWWW.....",
                                 "................",
                                 "................",
                                 "................",
                                 "................"},
                                kLegend)));
}

TEST(DrawFrames, PenColourIsRestored) {
  Surface s(48, 48, clSilver);
  classlib::TCanvas canvas(&s);
  canvas.SetPenColor(clRed);
  Utility.DrawSunkenFrame(&canvas, 0, 0, 48, 48);
  EXPECT_EQ(canvas.PenColor(), clRed);
  Utility.DrawRaisedFrame(&canvas, 0, 0, 48, 48);
  EXPECT_EQ(canvas.PenColor(), clRed);
  Utility.DrawSelectFrame(&canvas, 0, 0, 48, 48);
  EXPECT_EQ(canvas.PenColor(), clRed);
}

TEST(CopyBuffer, CopiesTheSourceBlockToTheDestinationCorner) {
  Surface src(40, 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) src.SetPixel(x, y, platform::Rgb(x * 5, y * 8, 77));
  }
  Surface dst(200, 100, clSilver);
  classlib::TCanvas from(&src);
  classlib::TCanvas to(&dst);
  EXPECT_NE(Utility.CopyBuffer(&to, 100, 60, 130, 80, &from, 0, 0, 30, 20), 0);
  Surface expected(200, 100, clSilver);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) expected.SetPixel(100 + x, 60 + y, src.Pixel(x, y));
  }
  EXPECT_TRUE(SameImage("copybuffer", dst, expected));

  // Past the destination's edge the block is cut off, not wrapped.
  EXPECT_NE(Utility.CopyBuffer(&to, 190, 95, 220, 115, &from, 0, 0, 30, 20), 0);
  EXPECT_EQ(dst.Pixel(199, 99), src.Pixel(9, 4));
  classlib::TCanvas none;
  EXPECT_EQ(Utility.CopyBuffer(&to, 0, 0, 5, 5, &none, 0, 0, 5, 5), 0);
}

}  // namespace
