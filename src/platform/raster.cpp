// raster.cpp: pen lines, brush fills, block transfers and masked glyphs.
#include "platform/raster.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

// Products of two line lengths (each up to 2^32) need more than 64 bits.
__extension__ typedef __int128 Wide;

constexpr Color kAlpha = 0xFF000000u;
constexpr Color kRgbMask = 0x00FFFFFFu;

// Steps t of a line along its major axis whose major coordinate a0 + t * sa
// (sa = +1 or -1) lies in [0, size); the result is [first, last) within [0, n).
void MajorRange(std::int64_t a0, std::int64_t sa, std::int64_t size, std::int64_t n,
                std::int64_t& first, std::int64_t& last) {
  if (sa > 0) {
    first = std::max<std::int64_t>(0, -a0);
    last = std::min(n, size - a0);
  } else {
    first = std::max<std::int64_t>(0, a0 - size + 1);
    last = std::min(n, a0 + 1);
  }
}

// The pixels [lo, hi) that a line from `from` towards `to` along one axis
// sets, its end point left out, clipped to [0, size).
void AxisSpan(std::int64_t from, std::int64_t to, std::int64_t size, std::int64_t& lo,
              std::int64_t& hi) {
  lo = std::max<std::int64_t>(to > from ? from : to + 1, 0);
  hi = std::min<std::int64_t>(to > from ? to : from + 1, size);
}

// Horizontal and vertical lines (every frame line) without the stepping:
// a horizontal one is a fill within one row. Returns false for other lines.
bool DrawAxisLine(Surface& s, int x0, int y0, int x1, int y1, Color c) {
  std::int64_t lo = 0;
  std::int64_t hi = 0;
  if (y0 == y1) {
    if (y0 < 0 || y0 >= s.Height()) return true;
    AxisSpan(x0, x1, s.Width(), lo, hi);
    if (lo < hi) std::fill(s.Row(y0) + lo, s.Row(y0) + hi, c);
    return true;
  }
  if (x0 != x1) return false;
  if (x0 < 0 || x0 >= s.Width()) return true;
  AxisSpan(y0, y1, s.Height(), lo, hi);
  for (std::int64_t y = lo; y < hi; ++y) s.Row(static_cast<int>(y))[x0] = c;
  return true;
}

}  // namespace

// Bresenham's line as a function of the step: pixel t (0 <= t < n, n the major
// length) sits at major offset t and minor offset floor((2tm + n) / 2n), the
// exact minor position rounded to nearest with halves going away from the
// start. Clipping only narrows the range of t and the start state is computed
// exactly for the first visible step, so a clipped line sets the same pixels as
// the unclipped one, and the loop never runs longer than the surface is wide.
void DrawLine(Surface& s, int x0, int y0, int x1, int y1, Color c) {
  if (s.IsEmpty() || DrawAxisLine(s, x0, y0, x1, y1, c)) return;
  const std::int64_t dx = std::int64_t{x1} - x0;
  const std::int64_t dy = std::int64_t{y1} - y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t n = std::max(std::llabs(dx), std::llabs(dy));
  if (n == 0) return;  // the only pixel is the end point, which is left out
  const std::int64_t m = std::min(std::llabs(dx), std::llabs(dy));
  const std::int64_t a0 = xMajor ? x0 : y0;
  const std::int64_t b0 = xMajor ? y0 : x0;
  const std::int64_t sa = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const std::int64_t sb = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const std::int64_t aSize = xMajor ? s.Width() : s.Height();
  const std::int64_t bSize = xMajor ? s.Height() : s.Width();

  std::int64_t first = 0;
  std::int64_t last = 0;
  MajorRange(a0, sa, aSize, n, first, last);
  if (first >= last) return;
  const Wide numerator = Wide{2} * first * m + n;
  std::int64_t k = static_cast<std::int64_t>(numerator / (Wide{2} * n));
  std::int64_t rem = static_cast<std::int64_t>(numerator % (Wide{2} * n));
  for (std::int64_t t = first; t < last; ++t) {
    const std::int64_t b = b0 + k * sb;
    if (b >= 0 && b < bSize) {
      const int a = static_cast<int>(a0 + t * sa);
      if (xMajor) {
        s.SetPixel(a, static_cast<int>(b), c);
      } else {
        s.SetPixel(static_cast<int>(b), a, c);
      }
    }
    rem += 2 * m;
    if (rem >= 2 * n) {
      rem -= 2 * n;
      ++k;
    }
  }
}

void DrawPolyline(Surface& s, std::span<const Point> points, Color c) {
  for (std::size_t i = 1; i < points.size(); ++i) {
    DrawLine(s, points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y, c);
  }
}

void FillRect(Surface& s, const Rect& r, Color c) {
  const int left = std::max(r.Left, 0);
  const int right = std::min(r.Right, s.Width());
  const int top = std::max(r.Top, 0);
  const int bottom = std::min(r.Bottom, s.Height());
  if (left >= right) return;
  for (int y = top; y < bottom; ++y) {
    std::fill(s.Row(y) + left, s.Row(y) + right, c);
  }
}

// Both sides are clipped: a start left of or above either surface moves both
// starts on together; the size then shrinks to what fits in both.
bool BitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface& src,
            int sx, int sy, RasterOp op) {
  if (w < 0 || h < 0) return false;
  std::int64_t x[2] = {dx, sx};
  std::int64_t y[2] = {dy, sy};
  std::int64_t cw = w;
  std::int64_t ch = h;
  for (int i = 0; i < 2; ++i) {
    if (x[i] < 0) { x[1 - i] -= x[i]; cw += x[i]; x[i] = 0; }
    if (y[i] < 0) { y[1 - i] -= y[i]; ch += y[i]; y[i] = 0; }
  }
  cw = std::min({cw, dst.Width() - x[0], src.Width() - x[1]});
  ch = std::min({ch, dst.Height() - y[0], src.Height() - y[1]});
  if (cw <= 0 || ch <= 0) return true;

  // Within one surface, work backwards when the target lies after the source
  // in memory, as memmove does, so no source pixel is overwritten before read.
  const bool backwards = &dst == &src && (y[0] > y[1] || (y[0] == y[1] && x[0] > x[1]));
  const int width = static_cast<int>(cw);
  for (std::int64_t i = 0; i < ch; ++i) {
    const std::int64_t row = backwards ? ch - 1 - i : i;
    Color* to = dst.Row(static_cast<int>(y[0] + row)) + x[0];
    const Color* from = src.Row(static_cast<int>(y[1] + row)) + x[1];
    if (op == RasterOp::Copy) {
      std::memmove(to, from, static_cast<std::size_t>(width) * sizeof(Color));
    } else if (backwards) {
      for (int j = width - 1; j >= 0; --j) to[j] = ~from[j] | to[j] | kAlpha;
    } else {
      for (int j = 0; j < width; ++j) to[j] = ~from[j] | to[j] | kAlpha;
    }
  }
  return true;
}

// The clip bounds stay in 64 bits: a position near INT_MIN or INT_MAX must
// clip the glyph away, not wrap around into the surface.
void DrawMasked(Surface& dst, int x, int y, const MaskedGlyph& glyph) {
  const std::int64_t gw = glyph.Image.Width();
  const std::int64_t left = std::max<std::int64_t>(0, -std::int64_t{x});
  const std::int64_t top = std::max<std::int64_t>(0, -std::int64_t{y});
  const std::int64_t right = std::min<std::int64_t>(gw, std::int64_t{dst.Width()} - x);
  const std::int64_t bottom =
      std::min<std::int64_t>(glyph.Image.Height(), std::int64_t{dst.Height()} - y);
  for (std::int64_t gy = top; gy < bottom; ++gy) {
    const Color* from = glyph.Image.Row(static_cast<int>(gy));
    const Color* mask = glyph.Mask.data() + gy * gw;
    Color* to = dst.Row(static_cast<int>(y + gy));
    for (std::int64_t gx = left; gx < right; ++gx) {
      to[x + gx] = (from[gx] & mask[gx]) | (to[x + gx] & ~mask[gx]);
    }
  }
}

MaskedGlyph MaskFromColor(const Surface& image, Color transparent) {
  MaskedGlyph glyph{image, {}};
  glyph.Mask.reserve(static_cast<std::size_t>(image.Width()) *
                     static_cast<std::size_t>(image.Height()));
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const bool opaque = ((image.Pixel(x, y) ^ transparent) & kRgbMask) != 0;
      glyph.Mask.push_back(opaque ? MaskedGlyph::kOpaque : MaskedGlyph::kTransparent);
    }
  }
  return glyph;
}

namespace {

bool InDisabledShape(const MaskedGlyph& glyph, int x, int y) {
  if (x < 0 || y < 0 || x >= glyph.Image.Width() || y >= glyph.Image.Height()) return false;
  if (!glyph.IsOpaque(x, y)) return false;
  const Color c = glyph.Image.Pixel(x, y);
  const int luma = (299 * RedOf(c) + 587 * GreenOf(c) + 114 * BlueOf(c)) / 1000;
  return luma < kDisabledShapeLimit;
}

}  // namespace

MaskedGlyph DisabledGlyph(const MaskedGlyph& glyph) {
  const int width = glyph.Image.Width() + 1;
  const int height = glyph.Image.Height() + 1;
  MaskedGlyph result{Surface(width, height, Rgb(0, 0, 0)), {}};
  result.Mask.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                     MaskedGlyph::kTransparent);
  std::size_t i = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x, ++i) {
      if (InDisabledShape(glyph, x, y)) {
        result.Image.SetPixel(x, y, Rgb(128, 128, 128));
        result.Mask[i] = MaskedGlyph::kOpaque;
      } else if (InDisabledShape(glyph, x - 1, y - 1)) {
        result.Image.SetPixel(x, y, Rgb(255, 255, 255));
        result.Mask[i] = MaskedGlyph::kOpaque;
      }
    }
  }
  return result;
}

}  // namespace platform
