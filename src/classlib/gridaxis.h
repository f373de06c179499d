// gridaxis.h: the geometry of one direction of a grid: cell sizes, which cells
// a client extent shows from a given first cell, and how far it can scroll.
#pragma once

#include <vector>

namespace classlib {

// Columns or rows of a grid, laid out edge to edge without grid lines. All
// offsets are relative to the left (top) edge of the first cell shown.
class TGridAxis {
 public:
  // Counts below 1 count as 1.
  TGridAxis(int count, int defaultSize);

  int Count() const { return static_cast<int>(sizes_.size()); }
  int DefaultSize() const { return defaultSize_; }
  // Resets every cell to the new default size. Negative sizes count as 0.
  void SetDefaultSize(int size);
  // Index must be in range; negative sizes count as 0.
  int Size(int index) const { return sizes_[static_cast<std::size_t>(index)]; }
  void SetSize(int index, int size);
  bool Contains(int index) const { return index >= 0 && index < Count(); }

  // Offset of cell `index` when `first` is the first cell shown; negative for
  // cells before `first`.
  int Start(int first, int index) const;
  // The cell under `pos` (0 <= pos < extent), or -1 past the last cell or
  // outside the extent.
  int IndexAt(int first, int extent, int pos) const;
  // The last cell of which at least one pixel is shown, or first - 1.
  int LastShown(int first, int extent) const;
  // How many cells from `first` on are shown completely.
  int FullyShown(int first, int extent) const;
  // The largest first cell: the one from which the remaining cells fit, so
  // that scrolling to it shows the last cell whole. When even the last cell
  // alone is larger than the extent, the last cell.
  int MaxFirst(int extent) const;
  // The first cell closest to `first` that shows `index` completely (or from
  // its left edge, when it is larger than the extent).
  int FirstToShow(int first, int extent, int index) const;
  // True when all cells fit into the extent from the first cell on.
  bool FitsIn(int extent) const { return Total() <= extent; }
  int Total() const;

 private:
  std::vector<int> sizes_;
  int defaultSize_;
};

}  // namespace classlib
