// CL0010GF.h: the utility object shared by the windows, with its drawing
// helpers for cells: 3-D frames, the selection mark and the block copy.
#pragma once

#include "classlib/graphics.h"

class TClsCL0010GF {
 public:
  // ---- Drawing helpers ----------------------------------------------------
  // Each frame routine changes only the canvas's pen colour, and restores it
  // before it returns; the current position is left where the lines ended.
  // Rectangles are right and bottom exclusive.

  // A 2-pixel sunken edge along the inside of the rectangle: grey on the left
  // and top, white on the right and bottom.
  void DrawSunkenFrame(classlib::TCanvas* canvas, int Left, int Top, int Right, int Bottom);
  // The same edge raised: white on the left and top, grey on the right and bottom.
  void DrawRaisedFrame(classlib::TCanvas* canvas, int Left, int Top, int Right, int Bottom);
  // An engraved rectangle four pixels inside the rectangle: a grey outline
  // with white lines just inside its left and top and just outside its right
  // and bottom.
  void DrawSelectFrame(classlib::TCanvas* canvas, int Left, int Top, int Right, int Bottom);
  // Copies the source rectangle's block to (DestLeft, DestTop) of the
  // destination in one block transfer; DestRight and DestBottom are not read.
  // Returns non-zero on success.
  int CopyBuffer(classlib::TCanvas* dest, int DestLeft, int DestTop, int DestRight,
                 int DestBottom, classlib::TCanvas* source, int SourceLeft, int SourceTop,
                 int SourceRight, int SourceBottom);

  // ---- Message boxes and application helpers (added with the dialogs) -----

 private:
  void DrawEdge(classlib::TCanvas* canvas, int Left, int Top, int Right, int Bottom,
                classlib::TColor topLeft, classlib::TColor bottomRight);
};

extern TClsCL0010GF Utility;
