// imagelist.cpp: cutting strips into masked images and drawing them.
#include "classlib/imagelist.h"

#include <algorithm>


namespace classlib {

TImageList::TImageList(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {}

// Rows of the strip beyond Height() are ignored; a strip lower than Height()
// leaves the missing rows of each image transparent.
int TImageList::AddMasked(const platform::Surface& strip, TColor transparent) {
  const int count = strip.Width() / width_;
  if (count <= 0 || strip.Height() <= 0) return -1;
  const int first = Count();
  const int rows = std::min(strip.Height(), height_);
  for (int i = 0; i < count; ++i) {
    platform::Surface cell(width_, height_, transparent);
    platform::BitBlt(cell, 0, 0, width_, rows, strip, i * width_, 0, platform::RasterOp::Copy);
    images_.push_back(platform::MaskFromColor(cell, transparent));
  }
  return first;
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index) const {
  if (canvas == nullptr || canvas->Handle() == nullptr) return;
  if (index < 0 || index >= Count()) return;
  platform::DrawMasked(*canvas->Handle(), x, y, images_[static_cast<std::size_t>(index)]);
}

}  // namespace classlib
