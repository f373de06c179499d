// screen_qt.cpp: screen metrics from the window system, through Qt.
#include "classlib/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace classlib {

ScreenSize PrimaryScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {1920, 1080};
  const QSize logical = screen->size();
  const double ratio = screen->devicePixelRatio();
  return {static_cast<int>(std::lround(logical.width() * ratio)),
          static_cast<int>(std::lround(logical.height() * ratio))};
}

}  // namespace classlib
