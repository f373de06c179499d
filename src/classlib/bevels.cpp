// bevels.cpp: 3-D edges of the controls.
#include "classlib/bevels.h"

#include <QPainter>

namespace classlib {
namespace {

// One ring of 1-pixel lines along the inside of `r`. The bottom and right
// lines come last and run the full length, so they take the two corners
// that they share with the top and left lines.
void DrawRing(QPainter& painter, const QRect& r, const QColor& topLeft,
              const QColor& bottomRight) {
  painter.fillRect(r.x(), r.y(), r.width(), 1, topLeft);
  painter.fillRect(r.x(), r.y(), 1, r.height(), topLeft);
  painter.fillRect(r.x(), r.y() + r.height() - 1, r.width(), 1, bottomRight);
  painter.fillRect(r.x() + r.width() - 1, r.y(), 1, r.height(), bottomRight);
}

}  // namespace

QPalette EdgePalette(TColor face) { return EdgePalette(ToQColor(face)); }

QPalette EdgePalette(const QColor& face) {
  QPalette palette;
  palette.setColor(QPalette::Light, ToQColor(clWhite));
  palette.setColor(QPalette::Dark, ToQColor(clGray));
  palette.setColor(QPalette::Shadow, ToQColor(platform::Rgb(64, 64, 64)));
  palette.setColor(QPalette::Button, face);
  return palette;
}

void DrawEdge(QPainter& painter, const QRect& r, TEdge edge, const QPalette& palette) {
  if (r.width() <= 0 || r.height() <= 0) return;
  const QColor light = palette.color(QPalette::Light);
  const QColor dark = palette.color(QPalette::Dark);
  const QColor shadow = palette.color(QPalette::Shadow);
  const QColor face = palette.color(QPalette::Button);
  const QRect inner = r.adjusted(1, 1, -1, -1);
  switch (edge) {
    case TEdge::PanelRaised:
      DrawRing(painter, r, light, dark);
      break;
    case TEdge::PanelLowered:
      DrawRing(painter, r, dark, light);
      break;
    case TEdge::ButtonRaised:
      DrawRing(painter, r, light, shadow);
      DrawRing(painter, inner, face, dark);
      break;
    case TEdge::ButtonDown:
      DrawRing(painter, r, shadow, light);
      DrawRing(painter, inner, dark, face);
      break;
    case TEdge::FieldSunken:
      DrawRing(painter, r, dark, light);
      DrawRing(painter, inner, shadow, face);
      break;
  }
}

}  // namespace classlib
