// screen.h: the screen as the program sees it: the primary screen's size
// and place, and the cursor shown over every window of the program. One
// implementation per toolkit (qt/screen_qt.cpp).
#pragma once

#include "classlib/colors.h"

namespace classlib {

struct ScreenSize {
  int Width = 0;
  int Height = 0;
};

// The primary screen's width and height in device pixels; a common desktop
// size when no screen can be asked (no display, as in headless runs without
// a screen).
ScreenSize PrimaryScreenSize();

enum class TCursor { crDefault, crHourGlass };

class TScreen {
 public:
  // The primary screen in the coordinates windows are placed in; empty when
  // there is none.
  TRect Bounds() const;
  TCursor Cursor() const;
  // crDefault gives back the arrow, whatever cursors were set before.
  void SetCursor(TCursor cursor);
};

// The one screen object.
extern TScreen* const Screen;

}  // namespace classlib
