// drawgrid.cpp: the owner-drawn grid: properties, cell layout and scrolling by
// whole cells, painting through replaceable window procedures.
#include "classlib/drawgrid.h"

#include <algorithm>

#include "classlib/exception.h"
#include "platform/raster.h"

namespace classlib {

TDrawGrid::TDrawGrid(TWinControl* parent) : TWinControl(parent) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  AttachPeer(backend::CreatePeer(*this, *parent));
  UpdateLayout();
}

TDrawGrid::~TDrawGrid() { DetachPeer(); }


int TDrawGrid::ColCount() const { return cols_.Count(); }
int TDrawGrid::RowCount() const { return rows_.Count(); }
int TDrawGrid::DefaultColWidth() const { return cols_.DefaultSize(); }
int TDrawGrid::DefaultRowHeight() const { return rows_.DefaultSize(); }
int TDrawGrid::Col() const { return col_; }
int TDrawGrid::Row() const { return row_; }
int TDrawGrid::LeftCol() const { return leftCol_; }
int TDrawGrid::ClientWidth() const { return ComputeLayout().ClientWidth; }
int TDrawGrid::ClientHeight() const { return ComputeLayout().ClientHeight; }

int TDrawGrid::ColWidth(int col) const { return cols_.Contains(col) ? cols_.Size(col) : 0; }
int TDrawGrid::RowHeight(int row) const { return rows_.Contains(row) ? rows_.Size(row) : 0; }

void TDrawGrid::SetDefaultColWidth(int width) {
  cols_.SetDefaultSize(width);
  Changed();
}

void TDrawGrid::SetDefaultRowHeight(int height) {
  rows_.SetDefaultSize(height);
  Changed();
}

void TDrawGrid::SetColWidth(int col, int width) {
  CheckIndex(cols_, col);
  cols_.SetSize(col, width);
  Changed();
}

void TDrawGrid::SetRowHeight(int row, int height) {
  CheckIndex(rows_, row);
  rows_.SetSize(row, height);
  Changed();
}

void TDrawGrid::SetCol(int col) {
  CheckIndex(cols_, col);
  TrySelect(col, row_);
}

void TDrawGrid::SetRow(int row) {
  CheckIndex(rows_, row);
  TrySelect(col_, row);
}

void TDrawGrid::SetColor(TColor color) {
  color_ = color;
  GridPeer().InvalidateCells();
}

void TDrawGrid::SetScrollBars(TScrollStyle style) {
  scrollBars_ = style;
  Changed();
}

void TDrawGrid::CheckIndex(const TGridAxis& axis, int index) {
  if (!axis.Contains(index)) throw Exception("Grid index out of range");
}

void TDrawGrid::Changed() {
  UpdateLayout();
  Peer().Invalidate();
}

TRect TDrawGrid::CellRect(int col, int row) const {
  if (!cols_.Contains(col) || !rows_.Contains(row) || col < leftCol_ || row < topRow_) return {};
  const Layout layout = ComputeLayout();
  const int x = cols_.Start(leftCol_, col);
  const int y = rows_.Start(topRow_, row);
  if (x >= layout.ClientWidth || y >= layout.ClientHeight) return {};
  return {x, y, x + cols_.Size(col), y + rows_.Size(row)};
}

// --- Layout and scrolling ---------------------------------------------------

TDrawGrid::Layout TDrawGrid::ComputeLayout() const {
  const int frame = GridPeer().FrameWidth();
  Layout layout;
  layout.ClientWidth = std::max(Width() - 2 * frame, 0);
  layout.ClientHeight = std::max(Height() - 2 * frame, 0);
  if (scrollBars_ == TScrollStyle::ssNone) return layout;
  const int horzExtent = GridPeer().HorzBarHeight();
  const int vertExtent = GridPeer().VertBarWidth();
  // A bar on one side takes room from the other direction and can make a bar
  // there necessary; bars only ever get added, so two rounds settle it.
  for (int round = 0; round < 2; ++round) {
    layout.HorzBar =
        !cols_.FitsIn(layout.ClientWidth - (layout.VertBar ? vertExtent : 0));
    layout.VertBar =
        !rows_.FitsIn(layout.ClientHeight - (layout.HorzBar ? horzExtent : 0));
  }
  if (layout.VertBar) layout.ClientWidth = std::max(layout.ClientWidth - vertExtent, 0);
  if (layout.HorzBar) layout.ClientHeight = std::max(layout.ClientHeight - horzExtent, 0);
  return layout;
}

void TDrawGrid::UpdateLayout() {
  if (layingOut_) return;  // showing a bar may resize the client area, which lands here
  layingOut_ = true;
  const Layout layout = ComputeLayout();
  if (surface_.Width() != layout.ClientWidth || surface_.Height() != layout.ClientHeight) {
    surface_.Resize(layout.ClientWidth, layout.ClientHeight);
    surface_.Fill(color_);
  }
  UpdateScrollRanges(layout);
  layingOut_ = false;
}

// The bars count whole cells: value n shows column (row) n first, and the
// maximum is the first cell from which the last one is shown completely.
void TDrawGrid::UpdateScrollRanges(const Layout& layout) {
  maxLeft_ = cols_.MaxFirst(layout.ClientWidth);
  maxTop_ = rows_.MaxFirst(layout.ClientHeight);
  leftCol_ = std::min(leftCol_, maxLeft_);
  topRow_ = std::min(topRow_, maxTop_);
  GridPeer().SetScrollBars(
      {layout.HorzBar, maxLeft_, std::max(cols_.FullyShown(maxLeft_, layout.ClientWidth), 1), leftCol_},
      {layout.VertBar, maxTop_, std::max(rows_.FullyShown(maxTop_, layout.ClientHeight), 1), topRow_});
}

void TDrawGrid::SetLeftTop(int leftCol, int topRow) {
  leftCol = std::clamp(leftCol, 0, maxLeft_);
  topRow = std::clamp(topRow, 0, maxTop_);
  if (leftCol == leftCol_ && topRow == topRow_) return;
  leftCol_ = leftCol;
  topRow_ = topRow;
  UpdateScrollRanges(ComputeLayout());
  GridPeer().InvalidateCells();
}

void TDrawGrid::ScrollIntoView(int col, int row) {
  const Layout layout = ComputeLayout();
  SetLeftTop(cols_.FirstToShow(leftCol_, layout.ClientWidth, col),
             rows_.FirstToShow(topRow_, layout.ClientHeight, row));
}

// The cells are not shifted on screen but painted afresh from the new first
// column and row.
void TDrawGrid::Scrolled(int leftCol, int topRow) {
  leftCol_ = std::clamp(leftCol, 0, maxLeft_);
  topRow_ = std::clamp(topRow, 0, maxTop_);
  GridPeer().InvalidateCells();
}

// --- Messages and painting --------------------------------------------------

std::int32_t TDrawGrid::Perform(std::uint32_t msg, std::intptr_t wParam, std::intptr_t lParam) {
  TMessage message{msg, wParam, lParam, 0};
  if (WindowProc) {
    WindowProc(message);
  } else {
    WndProc(message);
  }
  return message.Result;
}

void TDrawGrid::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      surface_.Fill(color_);
      message.Result = 1;
      break;
    case WM_PAINT:
      PaintCells();
      break;
    default:
      break;
  }
}

// Erases (unless a window procedure stops that), hands every visible cell to
// OnDrawCell, then covers what lies beyond the last column and row.
void TDrawGrid::PaintCells() {
  const Layout layout = ComputeLayout();
  if (surface_.Width() != layout.ClientWidth || surface_.Height() != layout.ClientHeight)
    UpdateLayout();  // a hidden grid gets its resize event only when shown
  Perform(WM_ERASEBKGND);
  const int lastCol = cols_.LastShown(leftCol_, layout.ClientWidth);
  const int lastRow = rows_.LastShown(topRow_, layout.ClientHeight);
  for (int row = topRow_, y = 0; row <= lastRow && OnDrawCell; y += rows_.Size(row++)) {
    for (int col = leftCol_, x = 0; col <= lastCol; x += cols_.Size(col++)) {
      const TRect rect{x, y, x + cols_.Size(col), y + rows_.Size(row)};
      if (rect.IsEmpty()) continue;
      TGridDrawState state;
      state.Selected = col == col_ && row == row_;
      OnDrawCell(this, col, row, rect, state);
    }
  }
  FillBeyondCells();
}

void TDrawGrid::FillBeyondCells() {
  const int cellsRight = std::min(cols_.Start(leftCol_, cols_.Count()), surface_.Width());
  const int cellsBottom = std::min(rows_.Start(topRow_, rows_.Count()), surface_.Height());
  platform::FillRect(surface_, {cellsRight, 0, surface_.Width(), surface_.Height()}, color_);
  platform::FillRect(surface_, {0, cellsBottom, cellsRight, surface_.Height()}, color_);
}

void TDrawGrid::Repaint() {
  Perform(WM_PAINT);
  // The paint that follows shows what was just composed. Only the cells
  // changed: the edge and what lies beneath the grid are left alone.
  composedAhead_ = true;
  GridPeer().ShowCellsNow();
  composedAhead_ = false;
  AnnounceChangedNames();
}

const platform::Surface& TDrawGrid::CellsToShow() {
  if (!composedAhead_) Perform(WM_PAINT);
  return surface_;
}

void TDrawGrid::FocusChanged(bool focused) {
  GridPeer().InvalidateCells();
  if (focused) AnnounceCurrentCell(col_, row_);
}

}  // namespace classlib
