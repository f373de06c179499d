// canvas.cpp: canvas drawing through the raster layer.
#include "classlib/canvas.h"

namespace classlib {

void TCanvas::LineTo(int x, int y) {
  if (surface_ != nullptr) platform::DrawLine(*surface_, penPos_.X, penPos_.Y, x, y, penColor_);
  penPos_ = {x, y};
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (surface_ != nullptr) platform::DrawPolyline(*surface_, points, penColor_);
}

void TCanvas::FillRect(const TRect& r) {
  if (surface_ != nullptr) platform::FillRect(*surface_, r, brushColor_);
}

}  // namespace classlib
