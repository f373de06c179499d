// cellpainter.cpp: cell composition for both grids. Nothing here allocates:
// every cell is drawn into the screen-sized work bitmap made at load time.
#include "render/cellpainter.h"

#include "platform/raster.h"
#include "puzzle/puzzle.h"
#include "util/CL0010GF.h"

using classlib::TCanvas;
using classlib::TRect;

namespace render {
namespace {

constexpr int kGlyphSize = 16;

// Fills with `color`, leaving the canvas's brush as it was.
void FillWith(TCanvas* canvas, const TRect& rect, classlib::TColor color) {
  const classlib::TColor saved = canvas->BrushColor();
  canvas->SetBrushColor(color);
  canvas->FillRect(rect);
  canvas->SetBrushColor(saved);
}

// A picture block as it is, or as the blank's sunken negative: NOT source OR
// black leaves 255 - c in every channel.
void DrawBlock(classlib::TBitmap& work, const platform::Surface& source, int sx, int sy,
               int blockWidth, int blockHeight, int width, int height, bool negative) {
  if (!negative) {
    platform::BitBlt(work.Surface(), 0, 0, blockWidth, blockHeight, source, sx, sy,
                     platform::RasterOp::Copy);
    return;
  }
  FillWith(work.Canvas(), TRect{0, 0, width, height}, classlib::clBlack);
  platform::BitBlt(work.Surface(), 0, 0, blockWidth, blockHeight, source, sx, sy,
                   platform::RasterOp::MergePaint);
  Utility.DrawSunkenFrame(work.Canvas(), 0, 0, width, height);
}

// The glyph stands in the middle; the halving floors, also for cells smaller
// than the glyph.
void DrawNumber(classlib::TBitmap& work, const classlib::TImageList& glyphs, int index,
                int width, int height) {
  glyphs.Draw(work.Canvas(), (width - kGlyphSize) >> 1, (height - kGlyphSize) >> 1, index);
}

}  // namespace

void ComposeBoardCell(classlib::TBitmap& work, const platform::Surface& picture,
                      const classlib::TImageList& glyphs, const BoardCell& cell) {
  const int sx = puzzle::Puzzle::HomeCol(cell.Piece) * cell.PieceWidth;
  const int sy = puzzle::Puzzle::HomeRow(cell.Piece) * cell.PieceHeight;
  const bool negative = cell.Playing && cell.Blank;
  DrawBlock(work, picture, sx, sy, cell.PieceWidth, cell.PieceHeight, cell.Width, cell.Height,
            negative);
  if (cell.Playing && !negative) {
    Utility.DrawRaisedFrame(work.Canvas(), 0, 0, cell.Width, cell.Height);
    DrawNumber(work, glyphs, cell.Piece, cell.Width, cell.Height);
  }
  if (cell.Selected && cell.Playing) {
    Utility.DrawSelectFrame(work.Canvas(), 0, 0, cell.Width, cell.Height);
  }
}

void ComposePreviewCell(classlib::TBitmap& work, const platform::Surface& preview,
                        const classlib::TImageList& glyphs, const PreviewCell& cell) {
  const int sx = cell.Col * cell.CellWidth;
  const int sy = cell.Row * cell.CellHeight;
  const bool negative = cell.Playing && cell.Blank;
  DrawBlock(work, preview, sx, sy, cell.CellWidth, cell.CellHeight, cell.Width, cell.Height,
            negative);
  if (cell.Selected && cell.Playing && !negative) {
    Utility.DrawSelectFrame(work.Canvas(), 0, 0, cell.Width, cell.Height);
  }
  DrawNumber(work, glyphs, puzzle::Puzzle::CellIndex(cell.Col, cell.Row), cell.Width,
             cell.Height);
}

void PaintEmptyCell(TCanvas* canvas, const TRect& rect) {
  FillWith(canvas, rect, classlib::clSilver);
}

}  // namespace render
