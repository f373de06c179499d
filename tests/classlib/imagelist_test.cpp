// imagelist_test.cpp: cutting a glyph strip into masked images and drawing them.
#include <gtest/gtest.h>

#include "classlib/imagelist.h"
#include "support/image_compare.h"

namespace {

using classlib::clBlack;
using classlib::clFuchsia;
using classlib::clRed;
using classlib::clSilver;
using classlib::clWhite;
using testsupport::FromArt;
using testsupport::SameImage;

const std::initializer_list<std::pair<char, platform::Color>> kLegend = {
    {'.', clSilver}, {'#', clBlack}, {'m', clFuchsia}, {'r', clRed}, {'W', clWhite}};

TEST(TImageList, CutsTheStripAndDrawsOnlyOpaquePixels) {
  classlib::TImageList list(3, 2);
  // Three images of 3 x 2 and a rest of two columns that is dropped.
  const platform::Surface strip = FromArt({"#mmmWmrrrWW", "##mmmmrrmWW"}, kLegend);
  EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
  EXPECT_EQ(list.AddMasked(strip, clFuchsia), 3);
  EXPECT_EQ(list.AddMasked(platform::Surface(2, 2), clFuchsia), -1) << "narrower than one image";
  EXPECT_EQ(list.Count(), 6);

  platform::Surface s(8, 3, clSilver);
  classlib::TCanvas canvas(&s);
  list.Draw(&canvas, 0, 0, 0);
  list.Draw(&canvas, 4, 1, 1);
  list.Draw(&canvas, 6, -1, 2);   // clipped at the top and right
  list.Draw(&canvas, 0, 0, 6);    // out of range: nothing
  list.Draw(&canvas, 0, 0, -1);
  list.Draw(nullptr, 0, 0, 0);
  EXPECT_TRUE(SameImage("imagelist", s,
                        FromArt({"#.....rr",
                                 "##...W..",
                                 "........"},
                                kLegend)));
}

}  // namespace
