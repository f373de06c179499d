// cellpainter.h: composing one cell of the board or of the preview in the
// work bitmap, as a function of the cell's state and the picture alone.
#pragma once

#include "classlib/bitmap.h"
#include "classlib/imagelist.h"

namespace render {

// Everything a board cell's look depends on.
struct BoardCell {
  int Piece = 0;            // the piece the cell holds
  int Width = 0;            // the cell's size on the grid
  int Height = 0;
  int PieceWidth = 0;       // the size of a piece in the picture
  int PieceHeight = 0;
  bool Playing = false;
  bool Blank = false;       // the cell holds the missing piece (only while playing)
  bool Selected = false;    // the grid's current cell
};

// Everything a preview cell's look depends on.
struct PreviewCell {
  int Col = 0;
  int Row = 0;
  int Width = 0;
  int Height = 0;
  int CellWidth = 0;        // the preview's cell size in the scaled picture
  int CellHeight = 0;
  bool Playing = false;
  bool Blank = false;       // the cell is the missing piece's home
  bool Selected = false;
};

// Composes the cell with its top-left corner at (0, 0) of `work`: the piece
// from `picture`; while playing a raised tile with its number, or the blank
// as a sunken colour negative on black; the selection mark on top.
void ComposeBoardCell(classlib::TBitmap& work, const platform::Surface& picture,
                      const classlib::TImageList& glyphs, const BoardCell& cell);

// Composes a preview cell at (0, 0) of `work` from the scaled picture: the
// cell's own part, its number always, the missing piece's home as a sunken
// negative and the selected piece's home marked while playing.
void ComposePreviewCell(classlib::TBitmap& work, const platform::Surface& preview,
                        const classlib::TImageList& glyphs, const PreviewCell& cell);

// A cell with no picture to show: plain silver on the grid's own canvas.
void PaintEmptyCell(classlib::TCanvas* canvas, const classlib::TRect& rect);

}  // namespace render
