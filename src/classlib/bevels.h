// bevels.h: the 3-D edges of the class library's controls and of the
// program's cells, all drawn ring by ring through one routine.
#pragma once

#include "classlib/colors.h"

namespace classlib {

enum class TEdge {
  PanelRaised,   // 1 pixel: highlight at the top and left, shadow at the bottom and right
  PanelLowered,  // 1 pixel: the other way round
  ButtonRaised,  // 2 pixels: a push button at rest
  ButtonDown,    // 2 pixels: the same button pressed
  FieldSunken,   // 2 pixels: the border of a grid, deeper than a pressed button
};

// The colours of every edge: the highlight (white), the shadow (grey) and
// the dark shadow (64, 64, 64); the 2-pixel edges use the control's face
// for their inner light line.
inline constexpr TColor kEdgeLight = clWhite;
inline constexpr TColor kEdgeDark = clGray;
inline constexpr TColor kEdgeShadow = platform::Rgb(64, 64, 64);
// A grid's face: its border's inner light line and the square between its
// two scroll bars.
inline constexpr TColor kGridFace = platform::Rgb(212, 208, 200);

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

// Draws the edge just inside `r` as blocks of one colour handed to `fill`;
// what lies within it is left alone. The controls' rings: the bottom and
// right sides take all the corners they share with the top and left ones.
template <typename Fill>
void DrawEdge(const TRect& r, TEdge edge, TColor face, Fill&& fill) {
  const auto ring = [&fill](const TRect& at, TColor topLeft, TColor bottomRight) {
    DrawRing(at, topLeft, bottomRight, bottomRight, fill);
  };
  const TRect inner{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  switch (edge) {
    case TEdge::PanelRaised:
      ring(r, kEdgeLight, kEdgeDark);
      break;
    case TEdge::PanelLowered:
      ring(r, kEdgeDark, kEdgeLight);
      break;
    case TEdge::ButtonRaised:
      ring(r, kEdgeLight, kEdgeShadow);
      ring(inner, face, kEdgeDark);
      break;
    case TEdge::ButtonDown:
      ring(r, kEdgeShadow, kEdgeLight);
      ring(inner, kEdgeDark, face);
      break;
    case TEdge::FieldSunken:
      ring(r, kEdgeDark, kEdgeLight);
      ring(inner, kEdgeShadow, face);
      break;
  }
}

}  // namespace classlib
