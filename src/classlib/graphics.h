// graphics.h: colours, rectangles, canvases and bitmaps of the class library.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "platform/raster.h"
#include "platform/surface.h"

namespace classlib {

using TColor = platform::Color;
using TRect = platform::Rect;
using TPoint = platform::Point;
// The "device context" that block transfers take: the surface itself.
using HDC = platform::Surface*;

inline constexpr TColor clBlack = platform::Rgb(0, 0, 0);
inline constexpr TColor clGray = platform::Rgb(128, 128, 128);
inline constexpr TColor clSilver = platform::Rgb(192, 192, 192);
inline constexpr TColor clRed = platform::Rgb(255, 0, 0);
inline constexpr TColor clFuchsia = platform::Rgb(255, 0, 255);
inline constexpr TColor clWhite = platform::Rgb(255, 255, 255);

inline QColor ToQColor(TColor c) { return QColor::fromRgb(c); }

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
  bool LoadFromFile(const QString& fileName,
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
