// qimage_bridge.cpp: row by row copies between surfaces and QImage.
#include "classlib/qt/qimage_bridge.h"

#include <cstring>

namespace classlib {

using platform::Color;
using platform::Surface;

Surface SurfaceFromQImage(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.format() == QImage::Format_RGB32
                         ? image
                         : image.convertToFormat(QImage::Format_RGB32);
  Surface surface(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* from = reinterpret_cast<const Color*>(rgb.constScanLine(y));
    Color* to = surface.Row(y);
    // RGB32 leaves the alpha byte undefined in principle; keep ours at 0xFF.
    for (int x = 0; x < rgb.width(); ++x) to[x] = from[x] | 0xFF000000u;
  }
  return surface;
}

QImage ToQImage(const Surface& surface) {
  if (surface.IsEmpty()) return {};
  QImage image(surface.Width(), surface.Height(), QImage::Format_RGB32);
  if (image.isNull()) return {};
  for (int y = 0; y < surface.Height(); ++y) {
    std::memcpy(image.scanLine(y), surface.Row(y),
                static_cast<std::size_t>(surface.BytesPerLine()));
  }
  return image;
}

QImage ToQImage(const platform::MaskedGlyph& glyph) {
  QImage image(glyph.Image.Width(), glyph.Image.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      line[x] = glyph.IsOpaque(x, y) ? glyph.Image.Pixel(x, y) : 0u;
    }
  }
  return image;
}

}  // namespace classlib
