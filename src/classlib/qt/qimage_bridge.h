// qimage_bridge.h: converting surfaces to and from QImage at the edge to Qt.
#pragma once

#include <QImage>

#include "platform/raster.h"
#include "platform/surface.h"

namespace classlib {

// Any format is accepted; translucent pixels are flattened as Qt converts to
// RGB32. A null image gives an empty surface.
platform::Surface SurfaceFromQImage(const QImage& image);

// A masked glyph as QImage::Format_ARGB32: its transparent pixels clear.
QImage ToQImage(const platform::MaskedGlyph& glyph);

// A deep copy in QImage::Format_RGB32; an empty surface gives a null image.
QImage ToQImage(const platform::Surface& surface);

}  // namespace classlib
