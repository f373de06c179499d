// bevels.h: the 3-D edges of the class library's controls and of the
// program's cells, all drawn ring by ring through one routine.
#pragma once

#include <QPalette>

#include "classlib/colors.h"

class QPainter;
class QRect;

namespace classlib {

enum class TEdge {
  PanelRaised,   // 1 pixel: highlight at the top and left, shadow at the bottom and right
  PanelLowered,  // 1 pixel: the other way round
  ButtonRaised,  // 2 pixels: a push button at rest
  ButtonDown,    // 2 pixels: the same button pressed
  FieldSunken,   // 2 pixels: the border of a grid, deeper than a pressed button
};

// The colours of every edge: Light the highlight (white), Dark the shadow
// (grey), Shadow the dark shadow (64, 64, 64), and Button the control's
// face, which the 2-pixel edges use for their inner light line.
QPalette EdgePalette(TColor face);
QPalette EdgePalette(const QColor& face);

// Draws the edge just inside `r`; what lies within it is left alone.
void DrawEdge(QPainter& painter, const QRect& r, TEdge edge, const QPalette& palette);

// One ring of 1-pixel lines along the inside of `r`, handed to `fill` as
// blocks of one colour: the top and left sides in `first`, the right and
// bottom sides in `second`. The top-left corner is `first`, the right-hand
// corners are `second`, and the bottom-left one is `bottomLeft`: the second
// colour on the controls' edges, the first on the cells' frames.
template <typename Colour, typename Fill>
void DrawRing(const TRect& r, const Colour& first, const Colour& second,
              const Colour& bottomLeft, Fill&& fill) {
  if (r.IsEmpty()) return;
  const int right = r.Right - 1;
  const int bottom = r.Bottom - 1;
  auto block = [&fill](const TRect& b, const Colour& colour) {
    if (!b.IsEmpty()) fill(b, colour);
  };
  block({r.Left, r.Top, right, r.Top + 1}, first);
  block({r.Left, r.Top + 1, r.Left + 1, bottom}, first);
  block({right, r.Top, right + 1, bottom + 1}, second);
  block({r.Left + 1, bottom, right, bottom + 1}, second);
  block({r.Left, bottom, r.Left + 1, bottom + 1}, bottomLeft);
}

}  // namespace classlib
