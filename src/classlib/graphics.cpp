// graphics.cpp: canvas drawing through the raster layer, and bitmap sizing.
#include "classlib/graphics.h"

#include <new>
#include <utility>

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

std::function<bool()>& AllocationFailureHook() {
  static std::function<bool()> hook;
  return hook;
}

[[noreturn]] void ThrowOutOfMemory(int width, int height) {
  throw Exception(
      QStringLiteral("ビットマップ (%1 × %2) を作成するためのメモリが足りません。")
          .arg(width)
          .arg(height));
}

bool AllocationFails() {
  const auto& hook = AllocationFailureHook();
  return hook && hook();
}

void CheckAllocation(int width, int height) {
  if (AllocationFails()) ThrowOutOfMemory(width, height);
}

}  // namespace

void TBitmap::SetAllocationFailureHook(std::function<bool()> hook) {
  AllocationFailureHook() = std::move(hook);
}

TBitmap::TBitmap() : canvas_(&surface_) { CheckAllocation(0, 0); }

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
  CheckAllocation(width, height);
  if (std::int64_t{width} * height * 4 > kMaxPixelBytes) ThrowOutOfMemory(width, height);
  try {
    surface_.Resize(width, height);
  } catch (const std::bad_alloc&) {
    ThrowOutOfMemory(width, height);
  }
}

// The picture's pixels are this bitmap's allocation, so the allocation hook
// is asked for them too; a failure it makes is the decoder's out of memory.
bool TBitmap::LoadFromFile(const QString& fileName,
                           const std::function<bool(int, int)>& accept) {
  return LoadBmpFile(fileName, surface_, [&accept](int width, int height) {
    if (accept && !accept(width, height)) return false;
    if (AllocationFails()) throw std::bad_alloc();
    return true;
  });
}

}  // namespace classlib
