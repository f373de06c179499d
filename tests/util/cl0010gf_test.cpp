// cl0010gf_test.cpp: the frames, the selection mark and the block copy of the
// utility object, checked over the whole surface.
#include <gtest/gtest.h>

#include <tuple>

#include "support/image_compare.h"
#include "util/CL0010GF.h"

namespace {

using classlib::clGray;
using classlib::clSilver;
using classlib::clWhite;
using platform::Surface;

// Inclusive runs, as the frames' pixel sets are stated: a column at x from
// y0 to y1, or a row at y from x0 to x1. The cell's top-left corner is at
// (1, 2), so a swapped or dropped coordinate shows.
constexpr int kX = 1, kY = 2;
struct Run {
  bool IsColumn;
  int At, From, To;
  bool Second;  // the run's colour: the second of the two
};

Surface Runs(std::initializer_list<Run> runs, platform::Color first, platform::Color second) {
  Surface s(kX + 49, kY + 49, clSilver);
  for (const Run& r : runs) {
    for (int i = r.From; i <= r.To; ++i) {
      s.SetPixel(kX + (r.IsColumn ? r.At : i), kY + (r.IsColumn ? i : r.At), r.Second ? second : first);
    }
  }
  return s;
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
  return Runs({{true, 0, 1, 47, false}, {false, 0, 0, 46, false}, {true, 47, 0, 46, true},
               {false, 47, 1, 47, true}, {true, 1, 2, 46, false}, {false, 1, 1, 45, false},
               {true, 46, 1, 45, true}, {false, 46, 2, 46, true}},
              a, b);
}

TEST(DrawFrames, SunkenRaisedAndSelectOnACell) {
  using testsupport::SameImage;
  EXPECT_TRUE(SameImage("sunken48", Framed(&TClsCL0010GF::DrawSunkenFrame), Edge48(clGray, clWhite)));
  EXPECT_TRUE(SameImage("raised48", Framed(&TClsCL0010GF::DrawRaisedFrame), Edge48(clWhite, clGray)));
  // The select mark: an engraved rectangle 4 pixels in.
  const Surface select = Runs({{false, 4, 4, 43, false}, {false, 43, 4, 43, false},
                               {true, 4, 4, 43, false}, {true, 43, 4, 43, false},
                               {true, 5, 6, 42, true}, {false, 5, 5, 42, true},
                               {true, 44, 5, 43, true}, {false, 44, 6, 44, true}},
                              clGray, clWhite);
  EXPECT_TRUE(SameImage("select48", Framed(&TClsCL0010GF::DrawSelectFrame), select));
}

TEST(DrawFrames, SmallOddRectangle) {
  Surface s(8, 6, clSilver);
  classlib::TCanvas canvas(&s);
  Utility.DrawSunkenFrame(&canvas, 0, 0, 7, 5);
  EXPECT_TRUE(testsupport::SameImage(
      "sunken7x5", s,
      testsupport::FromArt({"GGGGGGW.", "GGGGGWW.", "GG...WW.", "GGWWWWW.", "GWWWWWW.", "........"},
                           {{'.', clSilver}, {'G', clGray}, {'W', clWhite}})));
}

TEST(CopyBuffer, CopiesTheSourceBlockAndCutsItAtTheEdge) {
  Surface src = testsupport::Numbered(40, 30);
  Surface dst(200, 100, clSilver);
  classlib::TCanvas from(&src);
  classlib::TCanvas to(&dst);
  EXPECT_NE(Utility.CopyBuffer(&to, 100, 60, 130, 80, &from, 0, 0, 30, 20), 0);
  EXPECT_TRUE(testsupport::SameImage("copybuffer", testsupport::Crop(dst, 100, 60, 30, 20),
                                     testsupport::Crop(src, 0, 0, 30, 20)));
  EXPECT_EQ(std::tuple(dst.Pixel(99, 60), dst.Pixel(130, 79), dst.Pixel(100, 80)),
            std::tuple(clSilver, clSilver, clSilver));
  // Past the destination's edge the block is cut off, not wrapped.
  EXPECT_NE(Utility.CopyBuffer(&to, 190, 95, 220, 115, &from, 0, 0, 30, 20), 0);
  EXPECT_EQ(dst.Pixel(199, 99), src.Pixel(9, 4));
  classlib::TCanvas none;
  EXPECT_EQ(Utility.CopyBuffer(&to, 0, 0, 5, 5, &none, 0, 0, 5, 5), 0);
}

}  // namespace
