// driver.h: how the window tests act as a player and look at the screen, in
// the class library's terms: click or drag over cells, press keys and
// buttons, choose menu items, close and minimise windows, and read back what
// a control shows. One implementation per toolkit (driver_qt.cpp).
#pragma once

#include <functional>
#include <utility>

#include "classlib/keys.h"
#include "classlib/tstring.h"
#include "platform/surface.h"

namespace classlib {
class TButton;
class TControl;
class TDrawGrid;
class TForm;
class TMenuItem;
class TSpeedButton;
}  // namespace classlib

namespace testdriver {

// Shows the form and waits until it is on screen; false if it never is.
[[nodiscard]] bool ShowAndWait(classlib::TForm* form);
// Handles the events already queued, and destroys the forms released.
void ProcessEvents();
// Runs `task` from the event loop once the current code has returned to it,
// as when the player acts inside a modal loop.
void Later(std::function<void()> task);

// A left click at the centre of the cell.
void ClickCell(classlib::TDrawGrid* grid, int col, int row);
// Press, release, double-click, release at the centre of the cell.
void DoubleClickCell(classlib::TDrawGrid* grid, int col, int row);
// The left button pressed or released over the cell, or the pointer moved
// over it with the button held.
void PressCell(classlib::TDrawGrid* grid, int col, int row);
void ReleaseCell(classlib::TDrawGrid* grid, int col, int row);
void DragOverCell(classlib::TDrawGrid* grid, int col, int row);
// A click, or a double-click, at a point of the grid's client area.
void ClickAt(classlib::TDrawGrid* grid, int x, int y);
void DoubleClickAt(classlib::TDrawGrid* grid, int x, int y);
// A press and release with the grid focused.
void PressKey(classlib::TDrawGrid* grid, classlib::TKeyCode key);
// A press and release in the form, wherever its focus is.
void PressKey(classlib::TForm* form, classlib::TKeyCode key);
// The player moves the scroll bars to show (leftCol, topRow) first, as far
// as they go.
void ScrollTo(classlib::TDrawGrid* grid, int leftCol, int topRow);
// Whether the horizontal and the vertical scroll bar are shown.
std::pair<bool, bool> ScrollBarsShown(const classlib::TDrawGrid* grid);

void Click(classlib::TSpeedButton* button);
// The left button held down on the button.
void Press(classlib::TSpeedButton* button);
void Click(classlib::TButton* button);
// Chooses the item from its menu.
void Choose(classlib::TMenuItem* item);
// The player closes the window, or minimises or restores it.
void CloseWindow(classlib::TForm* form);
void Minimize(classlib::TForm* form);
void Restore(classlib::TForm* form);
bool IsMinimized(const classlib::TForm* form);

// What the control shows on screen, its edge included; for a grid, what its
// client area shows.
platform::Surface Grab(const classlib::TControl* control);
platform::Surface GrabCells(const classlib::TDrawGrid* grid);
// What a screen reader calls the control.
classlib::TString AccessibleName(const classlib::TControl* control);

}  // namespace testdriver
