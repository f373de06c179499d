// drawgrid_input.cpp: the draw grid's current cell and how the mouse and the
// keys move it, each move passing OnSelectCell first; and the double-click
// that Enter and Space stand in for.
#include <algorithm>

#include "classlib/drawgrid.h"

namespace classlib {

bool TDrawGrid::TrySelect(int col, int row) {
  if (col == col_ && row == row_) return false;
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, col, row, canSelect);
  if (!canSelect) return false;
  const int oldCol = col_;
  const int oldRow = row_;
  col_ = col;
  row_ = row;
  cellDescription_ = {};
  GridPeer().InvalidateCells();
  AnnounceCurrentCell(oldCol, oldRow);
  return true;
}

bool TDrawGrid::UserSelect(int col, int row) {
  if (!TrySelect(col, row)) return false;
  ScrollIntoView(col, row);
  return true;
}

std::optional<TPoint> TDrawGrid::CellAt(int x, int y) const {
  const Layout layout = ComputeLayout();
  const int col = cols_.IndexAt(leftCol_, layout.ClientWidth, x);
  const int row = rows_.IndexAt(topRow_, layout.ClientHeight, y);
  if (col < 0 || row < 0) return std::nullopt;
  return TPoint{col, row};
}

bool TDrawGrid::SelectAt(int x, int y) {
  const std::optional<TPoint> cell = CellAt(x, y);
  return cell && UserSelect(cell->X, cell->Y);
}

void TDrawGrid::MouseDown(int x, int y) {
  dragging_ = true;
  SelectAt(x, y);
}

void TDrawGrid::MouseMove(int x, int y) {
  if (dragging_) SelectAt(x, y);
}

void TDrawGrid::MouseUp() { dragging_ = false; }

void TDrawGrid::DblClick() {
  dragging_ = false;
  if (OnDblClick) OnDblClick(this);
}

// The arrows, Home, End, Page Up and Down move the current cell; Enter and
// Space act on it as a double-click does, and a held key does not repeat
// the action. Returns whether the grid took the key.
bool TDrawGrid::KeyDown(TKeyCode key, TShiftState shift) {
  const int lastCol = cols_.Count() - 1;
  const int lastRow = rows_.Count() - 1;
  const int page = std::max(rows_.FullyShown(topRow_, ClientHeight()), 1);
  int col = col_;
  int row = row_;
  switch (key) {
    case VK_LEFT: col = std::max(col - 1, 0); break;
    case VK_RIGHT: col = std::min(col + 1, lastCol); break;
    case VK_UP: row = std::max(row - 1, 0); break;
    case VK_DOWN: row = std::min(row + 1, lastRow); break;
    case VK_PRIOR: row = std::max(row - page, 0); break;
    case VK_NEXT: row = std::min(row + page, lastRow); break;
    case VK_HOME: col = 0; row = shift.Ctrl ? 0 : row; break;
    case VK_END: col = lastCol; row = shift.Ctrl ? lastRow : row; break;
    case VK_RETURN:
    case VK_SPACE:
      if (!shift.AutoRepeat && OnDblClick) OnDblClick(this);
      return true;
    default: return false;
  }
  UserSelect(col, row);
  return true;
}

}  // namespace classlib
