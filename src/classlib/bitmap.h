// bitmap.h: off-screen bitmaps, sized within the pixel budget and loaded
// from BMP files.
#pragma once

#include <functional>

#include "classlib/canvas.h"
#include "classlib/tstring.h"

namespace classlib {

// An off-screen bitmap: a surface with its canvas. New bitmaps are empty
// (0 x 0). Resizing keeps the pixels of the shared area; new pixels are
// undefined until drawn, so the pages of a large bitmap that nothing draws on
// take no memory. A bitmap holds at most platform::kMaxSurfacePixels pixels.
class TBitmap {
 public:
  TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return surface_.Width(); }
  int Height() const { return surface_.Height(); }
  // Throw Exception when the memory for the new size cannot be had.
  void SetWidth(int width);
  void SetHeight(int height);

  // Replaces the contents with a BMP file's picture. `accept`, when given, is
  // asked with the picture's size from the header before its pixels are read;
  // when it declines, nothing changes and the result is false. Throws
  // Exception with a message naming the file and what is wrong when it
  // cannot be used.
  bool LoadFromFile(const TString& fileName,
                    const std::function<bool(int width, int height)>& accept = {});

  TCanvas* Canvas() { return &canvas_; }
  const platform::Surface& Surface() const { return surface_; }
  platform::Surface& Surface() { return surface_; }

 private:
  void ChangeSize(int width, int height);

  platform::Surface surface_;
  TCanvas canvas_;
};

}  // namespace classlib
