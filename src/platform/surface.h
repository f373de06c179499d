// surface.h: a 32-bit pixel surface, the drawing target of every raster operation.
#pragma once

#include <cstdint>
#include <memory>

namespace platform {

// Pixels are stored as 0xFFRRGGBB, the layout of a 32-bit top-down bitmap
// that the toolkits take as it is, so a surface can be shown on screen
// without conversion. Every pixel a raster
// operation or a fill writes has the alpha byte 0xFF. Pixels that a resize
// adds are undefined, alpha byte included, until something is drawn on them.
using Color = std::uint32_t;

// The pixel budget: no surface made from outside data, and no bitmap, may
// take more than 256 MiB of 32-bit pixels.
inline constexpr std::uint64_t kMaxSurfacePixels = (std::uint64_t{256} << 20) / 4;

constexpr Color Rgb(int r, int g, int b) {
  return 0xFF000000u | (static_cast<Color>(r & 0xFF) << 16) |
         (static_cast<Color>(g & 0xFF) << 8) | static_cast<Color>(b & 0xFF);
}
constexpr int RedOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>(c & 0xFF); }

struct Point {
  int X = 0;
  int Y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive.
struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Color fill = Rgb(0, 0, 0));
  Surface(const Surface& other);
  Surface& operator=(const Surface& other);
  Surface(Surface&& other) noexcept;
  Surface& operator=(Surface&& other) noexcept;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
  bool Contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  }

  // Unchecked access; callers clip first.
  Color Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int x, int y, Color c) { pixels_[Index(x, y)] = c; }
  Color* Row(int y) { return pixels_.get() + Index(0, y); }
  const Color* Row(int y) const { return pixels_.get() + Index(0, y); }
  std::uint8_t* Bits() { return reinterpret_cast<std::uint8_t*>(pixels_.get()); }
  const std::uint8_t* Bits() const {
    return reinterpret_cast<const std::uint8_t*>(pixels_.get());
  }
  int BytesPerLine() const { return width_ * 4; }

  // Changes the size, keeping the pixels of the area that both sizes share.
  // New pixels are left unwritten: the pages of a large surface that nothing
  // draws on take no memory. Negative sizes count as 0. A failed allocation
  // (std::bad_alloc) leaves the surface as it was.
  void Resize(int width, int height);
  void Fill(Color c);

  friend bool operator==(const Surface& a, const Surface& b);

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::unique_ptr<Color[]> pixels_;
};

}  // namespace platform
