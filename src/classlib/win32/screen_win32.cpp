// screen_win32.cpp: the screen object and screen metrics, through Win32.
#include <windows.h>

#include "classlib/screen.h"

namespace classlib {
namespace {

TCursor& Current() {
  static TCursor cursor = TCursor::crDefault;
  return cursor;
}

}  // namespace

ScreenSize PrimaryScreenSize() {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  if (width <= 0 || height <= 0) return {1920, 1080};
  return {width, height};
}

TScreen* const Screen = [] {
  static TScreen screen;
  return &screen;
}();

TRect TScreen::Bounds() const {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

TCursor TScreen::Cursor() const { return Current(); }

void TScreen::SetCursor(TCursor cursor) {
  Current() = cursor;
  ::SetCursor(LoadCursorW(nullptr, cursor == TCursor::crHourGlass ? IDC_WAIT : IDC_ARROW));
}

}  // namespace classlib
