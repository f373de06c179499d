// bevels.cpp: 3-D edges of the controls.
#include "classlib/bevels.h"
#include "classlib/qt/qcolor.h"

#include <QPainter>

namespace classlib {
namespace {

// The controls' rings: the bottom and right sides take all the corners they
// share with the top and left ones.
void PaintRing(QPainter& painter, const QRect& r, const QColor& topLeft,
              const QColor& bottomRight) {
  DrawRing(TRect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}, topLeft, bottomRight,
           bottomRight, [&painter](const TRect& b, const QColor& colour) {
             painter.fillRect(b.Left, b.Top, b.Width(), b.Height(), colour);
           });
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
      PaintRing(painter, r, light, dark);
      break;
    case TEdge::PanelLowered:
      PaintRing(painter, r, dark, light);
      break;
    case TEdge::ButtonRaised:
      PaintRing(painter, r, light, shadow);
      PaintRing(painter, inner, face, dark);
      break;
    case TEdge::ButtonDown:
      PaintRing(painter, r, shadow, light);
      PaintRing(painter, inner, dark, face);
      break;
    case TEdge::FieldSunken:
      PaintRing(painter, r, dark, light);
      PaintRing(painter, inner, shadow, face);
      break;
  }
}

}  // namespace classlib
