// cellpainter_test.cpp: the look of board and preview cells, pixel by pixel.
#include <gtest/gtest.h>

#include <tuple>

#include "classlib/bitmap.h"
#include "classlib/imagelist.h"
#include "classlib/xpm.h"
#include "render/cellpainter.h"
#include "resources/pictures.h"
#include "support/image_compare.h"

using classlib::clBlack;
using classlib::clGray;
using classlib::clWhite;
using platform::Color;
using platform::Surface;

namespace {

constexpr int kPiece = 24;

// Whether every opaque pixel of the glyph shows with its top-left at (x, y).
bool HasGlyph(const Surface& cell, int x0, int y0, const platform::MaskedGlyph& glyph) {
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (glyph.IsOpaque(x, y) && cell.Pixel(x0 + x, y0 + y) != glyph.Image.Pixel(x, y)) return false;
    }
  }
  return true;
}

Color Negative(Color c) {
  return platform::Rgb(255 - platform::RedOf(c), 255 - platform::GreenOf(c),
                       255 - platform::BlueOf(c));
}

class CellPainterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    work_.SetWidth(200);
    work_.SetHeight(200);
    glyphs_.AddMasked(classlib::DecodeXpm(resources::Xpm("numbers")), classlib::clFuchsia);
    ASSERT_EQ(glyphs_.Count(), 25);
  }

  Surface WorkCell(int width, int height) {
    return testsupport::Crop(work_.Surface(), 0, 0, width, height);
  }

  render::BoardCell Board(int piece, bool playing, bool blank, bool selected) {
    return {piece, kPiece, kPiece, kPiece, kPiece, playing, blank, selected};
  }

  classlib::TBitmap work_;
  classlib::TImageList glyphs_;
  Surface picture_ = testsupport::Numbered(120, 120);
};

TEST_F(CellPainterTest, WithoutAGameTheCellIsThePieceAlone) {
  render::ComposeBoardCell(work_, picture_, glyphs_, Board(7, false, false, true));
  EXPECT_TRUE(testsupport::SameImage("board-no-game", WorkCell(kPiece, kPiece),
                                     testsupport::Crop(picture_, 2 * kPiece, kPiece, kPiece, kPiece)));
}

TEST_F(CellPainterTest, APlayedPieceIsARaisedTileWithItsNumberUnderTheMark) {
  render::ComposeBoardCell(work_, picture_, glyphs_, Board(7, true, false, false));
  const Surface tile = WorkCell(kPiece, kPiece);
  // The raised edge's corners; the frame's own pixels are the utility's tests.
  EXPECT_EQ(std::tuple(tile.Pixel(1, 1), tile.Pixel(22, 22), tile.Pixel(23, 0)), std::tuple(clWhite, clGray, clGray));
  // Glyph 7 ("8") stands at (4, 4) to (19, 19): only its opaque pixels
  // cover the picture.
  const platform::MaskedGlyph& glyph = glyphs_.Image(7);
  for (int y = 2; y < 22; ++y) {
    for (int x = 2; x < 22; ++x) {
      const bool inGlyph = x >= 4 && x < 20 && y >= 4 && y < 20 && glyph.IsOpaque(x - 4, y - 4);
      const Color expected =
          inGlyph ? glyph.Image.Pixel(x - 4, y - 4) : picture_.Pixel(2 * kPiece + x, kPiece + y);
      ASSERT_EQ(tile.Pixel(x, y), expected) << "at " << x << ", " << y;
    }
  }

  // Selected: the engraved mark runs along the glyph's outermost pixels and
  // its white lines cross the glyph.
  render::ComposeBoardCell(work_, picture_, glyphs_, Board(7, true, false, true));
  const Surface marked = WorkCell(kPiece, kPiece);
  for (int i = 6; i <= 18; ++i) {
    EXPECT_EQ(marked.Pixel(i, 4), clGray);
    EXPECT_EQ(marked.Pixel(19, i), clGray);
    EXPECT_EQ(marked.Pixel(5, i), clWhite);
  }
  EXPECT_EQ(marked.Pixel(12, 12), tile.Pixel(12, 12));
}

TEST_F(CellPainterTest, TheBlankIsASunkenNegativeAndTakesTheMarkToo) {
  render::ComposeBoardCell(work_, picture_, glyphs_, Board(21, true, true, true));
  const Surface blank = WorkCell(kPiece, kPiece);
  // The sunken edge's corners, then the selection mark.
  EXPECT_EQ(std::tuple(blank.Pixel(0, 0), blank.Pixel(23, 23), blank.Pixel(4, 4), blank.Pixel(5, 10)),
            std::tuple(clGray, clWhite, clGray, clWhite));
  // Piece 21 is column 1, row 4 of the picture; no number is drawn on it.
  for (int y = 6; y < 18; ++y) {
    for (int x = 6; x < 18; ++x) {
      ASSERT_EQ(blank.Pixel(x, y), Negative(picture_.Pixel(kPiece + x, 4 * kPiece + y)));
    }
  }
}

TEST_F(CellPainterTest, APieceSmallerThanItsCellLeavesBlackUnderTheNegative) {
  render::BoardCell cell = Board(0, true, true, false);
  cell.Width = cell.Height = 30;
  render::ComposeBoardCell(work_, picture_, glyphs_, cell);
  const Surface blank = WorkCell(30, 30);
  EXPECT_EQ(std::pair(blank.Pixel(26, 26), blank.Pixel(10, 10)), std::pair(clBlack, Negative(picture_.Pixel(10, 10))));
}

TEST_F(CellPainterTest, PreviewCellsAlwaysCarryTheirNumber) {
  const Surface& preview = picture_;
  const platform::MaskedGlyph& glyph = glyphs_.Image(11);  // "12"
  render::PreviewCell cell{1, 2, 48, 48, 48, 48, false, false, true};
  render::ComposePreviewCell(work_, preview, glyphs_, cell);
  EXPECT_TRUE(HasGlyph(WorkCell(48, 48), 16, 16, glyph));
  EXPECT_EQ(WorkCell(48, 48).Pixel(4, 4), preview.Pixel(48 + 4, 96 + 4)) << "no mark outside a game";

  // The missing piece's home: sunken negative, number on top, never the mark.
  cell.Playing = true;
  cell.Blank = true;
  render::ComposePreviewCell(work_, preview, glyphs_, cell);
  const Surface blank = WorkCell(48, 48);
  EXPECT_EQ(blank.Pixel(0, 0), clGray);
  EXPECT_EQ(blank.Pixel(4, 10), Negative(preview.Pixel(48 + 4, 96 + 10)));
  EXPECT_TRUE(HasGlyph(blank, 16, 16, glyph));

  // Any other selected home while playing is marked.
  cell.Blank = false;
  render::ComposePreviewCell(work_, preview, glyphs_, cell);
  EXPECT_EQ(WorkCell(48, 48).Pixel(4, 10), clGray);
}

}  // namespace
