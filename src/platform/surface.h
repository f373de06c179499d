// surface.h: a 32-bit pixel surface, the drawing target of every raster operation.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// Pixels are stored as 0xFFRRGGBB, the layout of QImage::Format_RGB32, so a
// surface can be shown on screen without conversion. The alpha byte is always
// 0xFF; raster operations keep it that way.
using Color = std::uint32_t;

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
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Grows a vector without writing the new elements when no value is given, so
// that a large block fresh from the system stays untouched zero pages (taking
// no memory) until it is drawn on. Growth with a value writes it as usual.
template <typename T>
struct UnwrittenAllocator : std::allocator<T> {
  UnwrittenAllocator() = default;
  template <typename U>
  UnwrittenAllocator(const UnwrittenAllocator<U>&) noexcept {}
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
};

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Color fill = Rgb(0, 0, 0));

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
  bool Contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  }

  // Unchecked access; callers clip first.
  Color Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int x, int y, Color c) { pixels_[Index(x, y)] = c; }
  Color* Row(int y) { return pixels_.data() + Index(0, y); }
  const Color* Row(int y) const { return pixels_.data() + Index(0, y); }
  std::uint8_t* Bits() { return reinterpret_cast<std::uint8_t*>(pixels_.data()); }
  const std::uint8_t* Bits() const {
    return reinterpret_cast<const std::uint8_t*>(pixels_.data());
  }
  int BytesPerLine() const { return width_ * 4; }

  // Changes the size, keeping the pixels of the area that both sizes share;
  // new pixels get `fill`. Negative sizes count as 0.
  void Resize(int width, int height, Color fill = Rgb(255, 255, 255));
  // Changes the size and gives up the pixels: each one, alpha byte included,
  // holds an undefined value until drawn. For surfaces whose every pixel is
  // written before it is read (a decoded picture, a work area composed cell
  // by cell); untouched pages of a large one take no memory.
  void ResizeUndefined(int width, int height);
  void Fill(Color c);

  friend bool operator==(const Surface&, const Surface&) = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Color, UnwrittenAllocator<Color>> pixels_;
};

}  // namespace platform
