// colors.h: colours, points and rectangles of the class library.
#pragma once

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

}  // namespace classlib
