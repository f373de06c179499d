// raster.h: pixel-exact drawing on surfaces: pen lines, brush fills, block
// transfers, stretching and masked glyphs.
#pragma once

#include <span>
#include <vector>

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

// Scales the `srcRect` area of `src` into the `dstRect` area of `dst`, each
// axis on its own: shrinking averages the source area that a destination pixel
// covers, enlarging interpolates bilinearly between pixel centres. Only the
// visible part of `dstRect` is written; source pixels outside `src` repeat its
// nearest edge. Empty rectangles or an empty source draw nothing.
void StretchBlt(Surface& dst, const Rect& dstRect, const Surface& src,
                const Rect& srcRect);

// A glyph with a mask: only its opaque pixels are drawn.
struct MaskedGlyph {
  // Mask words: all bits set for an opaque pixel, none for a transparent one,
  // so that drawing selects each pixel with bit operations and no branch.
  static constexpr Color kOpaque = 0xFFFFFFFFu;
  static constexpr Color kTransparent = 0;

  Surface Image;
  std::vector<Color> Mask;  // Image.Width() * Image.Height() words, row by row
  bool IsOpaque(int x, int y) const {
    return Mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(Image.Width()) +
                static_cast<std::size_t>(x)] != kTransparent;
  }
};

// Draws the glyph's opaque pixels with its top-left corner at (x, y), clipped.
// Allocates nothing.
void DrawMasked(Surface& dst, int x, int y, const MaskedGlyph& glyph);

// The image with every pixel of colour `transparent` (alpha ignored) masked out.
MaskedGlyph MaskFromColor(const Surface& image, Color transparent);

// The greyed, embossed form of a glyph that a disabled button shows. The
// glyph's shape is its opaque pixels darker than kDisabledShapeLimit; the form
// is that shape in white one pixel right and down, under the same shape in
// grey (128, 128, 128) at its own place. The result is one pixel wider and
// higher than the glyph so the white edge is not cut off; draw it at the
// glyph's own top-left corner.
MaskedGlyph DisabledGlyph(const MaskedGlyph& glyph);

// Luminance (0..255, weights 299/587/114) below which a glyph pixel belongs to
// the disabled shape. It is the luminance of the silver button face: a pixel as
// light as the face or lighter would not stand out as a shape on it, so light
// fills and highlights drop out and outlines and dark areas remain.
inline constexpr int kDisabledShapeLimit = 192;

}  // namespace platform
