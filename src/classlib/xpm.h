// xpm.h: pictures in the XPM format the program's own pictures are
// committed in, read by our code so that every toolkit shows the same pixels.
#pragma once

#include <span>

#include "classlib/colors.h"
#include "platform/surface.h"

namespace classlib {

// Reads the lines of an XPM picture: "width height colours chars-per-pixel",
// one line per colour ("<chars> c #RRGGBB" or "<chars> c None"), then one
// line per row. Pixels of colour None take `none`. A picture that breaks
// these rules (a short row, an unknown colour or pixel) gives an empty
// surface.
platform::Surface DecodeXpm(std::span<const char* const> lines, TColor none = clFuchsia);

}  // namespace classlib
