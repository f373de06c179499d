// canvas.h: drawing on a surface with a pen and a brush.
#pragma once

#include <span>

#include "classlib/colors.h"

namespace classlib {

// A drawing surface with a 1-pixel solid pen, a solid brush and a current
// position. The canvas does not own its surface.
class TCanvas {
 public:
  explicit TCanvas(platform::Surface* surface = nullptr) : surface_(surface) {}

  TColor PenColor() const { return penColor_; }
  void SetPenColor(TColor c) { penColor_ = c; }
  TColor BrushColor() const { return brushColor_; }
  void SetBrushColor(TColor c) { brushColor_ = c; }

  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  // Draws from the current position to (x, y), leaving that pixel out, and
  // makes (x, y) the current position.
  void LineTo(int x, int y);
  // Neither uses nor moves the current position; the last point is left out.
  void Polyline(std::span<const TPoint> points);
  void FillRect(const TRect& r);

  HDC Handle() const { return surface_; }

 private:
  platform::Surface* surface_;
  TColor penColor_ = clBlack;
  TColor brushColor_ = clWhite;
  TPoint penPos_;
};

}  // namespace classlib
