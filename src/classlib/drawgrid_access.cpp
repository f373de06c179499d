// drawgrid_access.cpp: the draw grid's side of what assistive technology
// sees: cell names, the default action, and the events that keep a screen
// reader's view of the current cell and of the names up to date.
#include <algorithm>

#include "classlib/drawgrid.h"

namespace classlib {

void TDrawGrid::SetAccessibleName(const TString& name) { Peer().SetAccessibleName(name); }

TString TDrawGrid::CellName(int col, int row) {
  TString name = OnCellName ? OnCellName(this, col, row) : TString();
  const auto index = static_cast<std::size_t>(row * ColCount() + col);
  if (givenNames_.size() <= index) givenNames_.resize(index + 1);
  givenNames_[index] = name;
  return name;
}

TString TDrawGrid::Description() { return OnDescription ? OnDescription(this) : TString(); }

TString TDrawGrid::CellDescription(int col, int row) const {
  return col == col_ && row == row_ ? cellDescription_ : TString();
}

void TDrawGrid::ActivateCell(int col, int row) {
  if (!Enabled()) return;
  UserSelect(col, row);
  if (OnDblClick) OnDblClick(this);
}

// The item views' way: the new cell is selected and, with the grid focused,
// also the focus; the old cell is no longer selected.
void TDrawGrid::AnnounceCurrentCell(int oldCol, int oldRow) {
  if (!GridPeer().AccessibilityActive()) return;
  const int current = row_ * ColCount() + col_;
  if (oldCol != col_ || oldRow != row_) {
    GridPeer().Announce(TAccessEvent::SelectionRemove, oldRow * ColCount() + oldCol);
    GridPeer().Announce(TAccessEvent::Selection, current);
  }
  if (Focused()) GridPeer().Announce(TAccessEvent::Focus, current);
}

void TDrawGrid::AnnounceChangedNames() {
  const int count = GridPeer().AccessibilityActive()
                        ? std::min(static_cast<int>(givenNames_.size()), ColCount() * RowCount())
                        : 0;
  for (int index = 0; index < count; ++index) {
    const std::optional<TString> given = givenNames_[static_cast<std::size_t>(index)];
    if (!given || CellName(index % ColCount(), index / ColCount()) == *given) continue;
    GridPeer().Announce(TAccessEvent::NameChange, index);
  }
  // A screen reader ignores name changes of table cells, and the toolkit's
  // description events do not carry the text it would speak; but it speaks
  // the description of a cell that takes the focus. The current cell has
  // just taken it when a slide moved it, so that is where the board's
  // progress, and its completion, are heard.
  const TString description = Description();
  const int current = row_ * ColCount() + col_;
  if (description == announcedDescription_ && current == announcedCell_) return;
  if (description != announcedDescription_) GridPeer().Announce(TAccessEvent::DescriptionChange, -1);
  announcedDescription_ = description;
  announcedCell_ = current;
  cellDescription_ = description;
  if (Focused()) GridPeer().Announce(TAccessEvent::DescriptionChange, current);
}

}  // namespace classlib
