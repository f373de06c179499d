// raster.h: pixel-exact drawing on surfaces: pen lines, brush fills, block
// transfers, stretching and masked glyphs.
#pragma once

#include <span>

#include "platform/surface.h"

namespace platform {

// A 1-pixel solid line from (x0, y0) towards (x1, y1). The end point's pixel is
// left out, so consecutive segments never set a shared corner twice. Pixels
// outside the surface are clipped; the line is not shortened by clipping.
void DrawLine(Surface& s, int x0, int y0, int x1, int y1, Color c);

// Segments through the points in order, leaving out the last point's pixel.
void DrawPolyline(Surface& s, std::span<const Point> points, Color c);

// Fills `r` (right and bottom exclusive), clipped to the surface.
void FillRect(Surface& s, const Rect& r, Color c);

enum class RasterOp {
  Copy,        // dest = source
  MergePaint,  // dest = NOT source OR dest
};

// Transfers the w x h block at (sx, sy) of `src` to (dx, dy) of `dst`. The
// block is clipped against both surfaces. `src` and `dst` may be the same
// surface with overlapping areas. Returns false when nothing could be done
// (negative size), true otherwise, even if clipping left nothing to copy.
bool BitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface& src,
            int sx, int sy, RasterOp op);

// Scales the `srcRect` area of `src` into the `dstRect` area of `dst`.
void StretchBlt(Surface& dst, const Rect& dstRect, const Surface& src,
                const Rect& srcRect);

// A glyph with a 1-bit mask: only pixels whose mask is set are drawn.
struct MaskedGlyph {
  Surface Image;
  std::vector<bool> Opaque;  // Image.Width() * Image.Height(), row by row
  bool IsOpaque(int x, int y) const {
    return Opaque[static_cast<std::size_t>(y) * static_cast<std::size_t>(Image.Width()) +
                  static_cast<std::size_t>(x)];
  }
};

// Draws the glyph's opaque pixels with its top-left corner at (x, y), clipped.
void DrawMasked(Surface& dst, int x, int y, const MaskedGlyph& glyph);

}  // namespace platform
