// bevels.h: the 3-D edges of the class library's controls, all drawn by one
// routine from one palette of edge colours.
#pragma once

#include <QPalette>

#include "classlib/graphics.h"

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

}  // namespace classlib
