// imagelist.h: a list of equally sized masked images, drawn by index.
#pragma once

#include <vector>

#include "classlib/canvas.h"
#include "platform/raster.h"

namespace classlib {

class TImageList {
 public:
  explicit TImageList(int width = 16, int height = 16);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return static_cast<int>(images_.size()); }

  // Cuts `strip` into images of Width() x Height() from left to right (a
  // narrower rest at the right end is dropped); pixels of colour `transparent`
  // become the mask. Returns the index of the first image added, or -1 when
  // the strip holds no whole image.
  int AddMasked(const platform::Surface& strip, TColor transparent);

  // Draws image `index` with its top-left corner at (x, y): only the image's
  // opaque pixels change the canvas. An index out of range draws nothing.
  // Allocates nothing, so it may run while painting.
  void Draw(TCanvas* canvas, int x, int y, int index) const;

  const platform::MaskedGlyph& Image(int index) const {
    return images_[static_cast<std::size_t>(index)];
  }

 private:
  int width_;
  int height_;
  std::vector<platform::MaskedGlyph> images_;
};

}  // namespace classlib
