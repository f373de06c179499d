// screen_qt.cpp: the screen object and screen metrics, through Qt.
#include "classlib/screen.h"

#include <QApplication>
#include <QCursor>
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

TScreen* const Screen = [] {
  static TScreen screen;
  return &screen;
}();

TRect TScreen::Bounds() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QRect r = screen->geometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

TCursor TScreen::Cursor() const {
  return QApplication::overrideCursor() == nullptr ? TCursor::crDefault : TCursor::crHourGlass;
}

void TScreen::SetCursor(TCursor cursor) {
  while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
  if (cursor == TCursor::crHourGlass) QApplication::setOverrideCursor(Qt::WaitCursor);
}

}  // namespace classlib
