// graphics.cpp: canvas drawing through the raster layer, and bitmap sizing.
#include "classlib/graphics.h"

#include <new>

#include "classlib/bmploader.h"
#include "classlib/exception.h"

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

namespace {

[[noreturn]] void ThrowOutOfMemory(int width, int height) {
  throw Exception(
      QStringLiteral("ビットマップ (%1 × %2) を作成するためのメモリが足りません。")
          .arg(width)
          .arg(height));
}

}  // namespace

TBitmap::TBitmap() : canvas_(&surface_) {}

void TBitmap::SetWidth(int width) { ChangeSize(width, Height()); }

void TBitmap::SetHeight(int height) { ChangeSize(Width(), height); }

// The size is checked against the pixel budget before any memory is asked
// for; a failed allocation leaves the bitmap as it was.
void TBitmap::ChangeSize(int width, int height) {
  if (width < 0 || height < 0) {
    throw Exception(QStringLiteral("ビットマップの大きさ (%1 × %2) が正しくありません。")
                        .arg(width)
                        .arg(height));
  }
  if (width == Width() && height == Height()) return;
  if (std::int64_t{width} * height * 4 > kMaxPixelBytes) ThrowOutOfMemory(width, height);
  try {
    surface_.Resize(width, height);
  } catch (const std::bad_alloc&) {
    ThrowOutOfMemory(width, height);
  }
}

bool TBitmap::LoadFromFile(const QString& fileName,
                           const std::function<bool(int, int)>& accept) {
  return LoadBmpFile(fileName, surface_, accept);
}

}  // namespace classlib
