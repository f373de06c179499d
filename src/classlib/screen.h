// screen.h: the size of the primary screen in device pixels, from the
// window system (one implementation per toolkit: qt/screen_qt.cpp).
#pragma once

namespace classlib {

struct ScreenSize {
  int Width = 0;
  int Height = 0;
};

// The primary screen's width and height in device pixels; a common desktop
// size when no screen can be asked (no display, as in headless runs without
// a screen).
ScreenSize PrimaryScreenSize();

}  // namespace classlib
