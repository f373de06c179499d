// driver.h: how the window tests act as a player, in the class library's
// terms: click or double-click a cell, press a key on a grid, click a
// button. One implementation per toolkit (driver_qt.cpp).
#pragma once

#include "classlib/keys.h"

namespace classlib {
class TDrawGrid;
class TSpeedButton;
}  // namespace classlib

namespace testdriver {

// A left click at the centre of the cell.
void ClickCell(classlib::TDrawGrid* grid, int col, int row);
// Press, release, double-click, release at the centre of the cell.
void DoubleClickCell(classlib::TDrawGrid* grid, int col, int row);
// A press and release with the grid focused.
void PressKey(classlib::TDrawGrid* grid, classlib::TKeyCode key);
void Click(classlib::TSpeedButton* button);

}  // namespace testdriver
