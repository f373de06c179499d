// surface.cpp: storage of a 32-bit pixel surface: creation, resizing, filling.
#include "platform/surface.h"

#include <algorithm>
#include <utility>

namespace platform {
namespace {

std::size_t PixelCount(int width, int height) {
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

Surface::Surface(int width, int height, Color fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  pixels_.assign(PixelCount(width_, height_), fill);
}

// The new pixels are built aside and swapped in, so a failed allocation
// (std::bad_alloc) leaves the surface as it was.
void Surface::Resize(int width, int height, Color fill) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  decltype(pixels_) resized(PixelCount(width, height), fill);
  const int keepWidth = std::min(width, width_);
  const int keepHeight = std::min(height, height_);
  for (int y = 0; y < keepHeight; ++y) {
    const Color* from = Row(y);
    std::copy(from, from + keepWidth, resized.begin() + static_cast<std::ptrdiff_t>(PixelCount(width, y)));
  }
  pixels_ = std::move(resized);
  width_ = width;
  height_ = height;
}

void Surface::ResizeUndefined(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  decltype(pixels_) fresh;
  fresh.resize(PixelCount(width, height));
  pixels_ = std::move(fresh);
  width_ = width;
  height_ = height;
}

void Surface::Fill(Color c) { std::fill(pixels_.begin(), pixels_.end(), c); }

}  // namespace platform
