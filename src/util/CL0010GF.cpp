// CL0010GF.cpp: the global utility object and its drawing helpers.
#include "util/CL0010GF.h"

#include <array>

#include "classlib/bevels.h"
#include "platform/raster.h"

using classlib::clGray;
using classlib::clWhite;
using classlib::TCanvas;
using classlib::TColor;
using classlib::TPoint;
using classlib::TRect;

TClsCL0010GF Utility;

// Two rings, each as if drawn in one stroke from its bottom-left corner: up
// the left side and along the top in the first colour, then down the right
// side and back along the bottom in the second. LineTo stops short of its end
// point, so each corner takes the colour of the side that starts there:
// top-left and bottom-left in the first colour, top-right and bottom-right in
// the second. Each block of a ring is one pen line.
void TClsCL0010GF::DrawEdge(TCanvas* canvas, int Left, int Top, int Right, int Bottom,
                            TColor topLeft, TColor bottomRight) {
  if (canvas == nullptr) return;
  const TColor saved = canvas->PenColor();
  auto line = [canvas](const TRect& b, TColor colour) {
    canvas->SetPenColor(colour);
    canvas->MoveTo(b.Left, b.Top);
    if (b.Height() == 1) {
      canvas->LineTo(b.Right, b.Top);
    } else {
      canvas->LineTo(b.Left, b.Bottom);
    }
  };
  for (int ring = 0; ring < 2; ++ring) {
    classlib::DrawRing(TRect{Left + ring, Top + ring, Right - ring, Bottom - ring}, topLeft,
                       bottomRight, topLeft, line);
  }
  canvas->SetPenColor(saved);
}

void TClsCL0010GF::DrawSunkenFrame(TCanvas* canvas, int Left, int Top, int Right, int Bottom) {
  DrawEdge(canvas, Left, Top, Right, Bottom, clGray, clWhite);
}

void TClsCL0010GF::DrawRaisedFrame(TCanvas* canvas, int Left, int Top, int Right, int Bottom) {
  DrawEdge(canvas, Left, Top, Right, Bottom, clWhite, clGray);
}

// The grey outline is a closed polyline: its last point is its first, which
// the first segment has already set, so the outline has no gap. The white
// lines then light the inner side of its left and top edges and the outer
// side of its right and bottom edges, which makes it look cut in.
void TClsCL0010GF::DrawSelectFrame(TCanvas* canvas, int Left, int Top, int Right, int Bottom) {
  if (canvas == nullptr) return;
  const TColor saved = canvas->PenColor();
  const int l = Left + 4;
  const int t = Top + 4;
  const int r = Right - 5;
  const int b = Bottom - 5;
  const std::array<TPoint, 5> outline = {{{l, t}, {l, b}, {r, b}, {r, t}, {l, t}}};
  canvas->SetPenColor(clGray);
  canvas->Polyline(outline);
  canvas->SetPenColor(clWhite);
  canvas->MoveTo(l + 1, b - 1);
  canvas->LineTo(l + 1, t + 1);
  canvas->LineTo(r, t + 1);
  canvas->MoveTo(r + 1, t + 1);
  canvas->LineTo(r + 1, b + 1);
  canvas->LineTo(l + 1, b + 1);
  canvas->SetPenColor(saved);
}

// The block is SourceRight - SourceLeft wide and SourceBottom - SourceTop
// high, read from (SourceLeft, SourceTop); for the usual source rectangle at
// (0, 0) that is SourceRight x SourceBottom from the source's origin.
int TClsCL0010GF::CopyBuffer(TCanvas* dest, int DestLeft, int DestTop, int /*DestRight*/,
                             int /*DestBottom*/, TCanvas* source, int SourceLeft,
                             int SourceTop, int SourceRight, int SourceBottom) {
  if (dest == nullptr || source == nullptr) return 0;
  if (dest->Handle() == nullptr || source->Handle() == nullptr) return 0;
  const bool done = platform::BitBlt(*dest->Handle(), DestLeft, DestTop, SourceRight - SourceLeft,
                                     SourceBottom - SourceTop, *source->Handle(), SourceLeft,
                                     SourceTop, platform::RasterOp::Copy);
  return done ? 1 : 0;
}
