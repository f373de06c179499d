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

Surface::Surface(int width, int height, Color fill) {
  Resize(width, height);
  Fill(fill);
}

Surface::Surface(const Surface& other) { *this = other; }

Surface& Surface::operator=(const Surface& other) {
  if (this == &other) return *this;
  Surface copy;
  copy.Resize(other.width_, other.height_);
  std::copy_n(other.pixels_.get(), PixelCount(other.width_, other.height_), copy.pixels_.get());
  return *this = std::move(copy);
}

Surface::Surface(Surface&& other) noexcept { *this = std::move(other); }

Surface& Surface::operator=(Surface&& other) noexcept {
  pixels_ = std::move(other.pixels_);
  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  return *this;
}

bool operator==(const Surface& a, const Surface& b) {
  return a.width_ == b.width_ && a.height_ == b.height_ &&
         std::equal(a.pixels_.get(), a.pixels_.get() + PixelCount(a.width_, a.height_),
                    b.pixels_.get());
}

// The new pixels are allocated aside and swapped in, so a failed allocation
// leaves the surface as it was. Storage made for overwriting is not written
// here, so fresh pages stay unused until drawn on.
void Surface::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  auto resized = std::make_unique_for_overwrite<Color[]>(PixelCount(width, height));
  const int keepWidth = std::min(width, width_);
  const int keepHeight = std::min(height, height_);
  for (int y = 0; y < keepHeight; ++y) {
    std::copy_n(Row(y), keepWidth, resized.get() + PixelCount(width, y));
  }
  pixels_ = std::move(resized);
  width_ = width;
  height_ = height;
}

void Surface::Fill(Color c) { std::fill_n(pixels_.get(), PixelCount(width_, height_), c); }

}  // namespace platform
