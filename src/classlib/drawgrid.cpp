// drawgrid.cpp: the owner-drawn grid: properties, cell layout and scrolling by
// whole cells, painting through replaceable window procedures.
#include "classlib/drawgrid.h"
#include "classlib/qt/qcolor.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "classlib/accessible.h"
#include "classlib/bevels.h"
#include "classlib/exception.h"
#include "platform/raster.h"

namespace classlib {
namespace {

// The face of the border's inner light line and of the square between two
// scroll bars.
constexpr TColor kFace = platform::Rgb(212, 208, 200);

}  // namespace

TDrawGrid::TDrawGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  InstallAccessibleFactory();
  WindowProc = [this](TMessage& message) { WndProc(message); };
  // A 2-pixel frame keeps the scroll bars and the viewport inside the edge
  // that PaintBorder draws; the frame's own drawing is never used.
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  // Every viewport pixel comes from the client surface, so Qt need not clear it.
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  UpdateLayout();
}

TDrawGrid::~TDrawGrid() = default;

int TDrawGrid::ColCount() const { return cols_.Count(); }
int TDrawGrid::RowCount() const { return rows_.Count(); }
int TDrawGrid::DefaultColWidth() const { return cols_.DefaultSize(); }
int TDrawGrid::DefaultRowHeight() const { return rows_.DefaultSize(); }
int TDrawGrid::Col() const { return col_; }
int TDrawGrid::Row() const { return row_; }
int TDrawGrid::LeftCol() const { return leftCol_; }
TColor TDrawGrid::Color() const { return color_; }
TScrollStyle TDrawGrid::ScrollBars() const { return scrollBars_; }
int TDrawGrid::ClientWidth() const { return ComputeLayout().ClientWidth; }
int TDrawGrid::ClientHeight() const { return ComputeLayout().ClientHeight; }
TCanvas* TDrawGrid::Canvas() { return &canvas_; }

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
  viewport()->update();
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
  update();
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
  const int frame = frameWidth();
  Layout layout;
  layout.ClientWidth = std::max(width() - 2 * frame, 0);
  layout.ClientHeight = std::max(height() - 2 * frame, 0);
  if (scrollBars_ == TScrollStyle::ssNone) return layout;
  const int horzExtent = horizontalScrollBar()->sizeHint().height();
  const int vertExtent = verticalScrollBar()->sizeHint().width();
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
  if (layingOut_) return;  // showing a bar resizes the viewport, which lands here
  layingOut_ = true;
  const Layout layout = ComputeLayout();
  const auto policy = [](bool on) { return on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; };
  if (horizontalScrollBarPolicy() != policy(layout.HorzBar))
    setHorizontalScrollBarPolicy(policy(layout.HorzBar));
  if (verticalScrollBarPolicy() != policy(layout.VertBar))
    setVerticalScrollBarPolicy(policy(layout.VertBar));
  if (surface_.Width() != layout.ClientWidth || surface_.Height() != layout.ClientHeight) {
    surface_.Resize(layout.ClientWidth, layout.ClientHeight);
    surface_.Fill(color_);
    image_ = surface_.IsEmpty()
                 ? QImage()
                 : QImage(surface_.Bits(), surface_.Width(), surface_.Height(),
                          surface_.BytesPerLine(), QImage::Format_RGB32);
  }
  UpdateScrollRanges(layout);
  layingOut_ = false;
}

// The bars count whole cells: value n shows column (row) n first, and the
// maximum is the first cell from which the last one is shown completely.
void TDrawGrid::UpdateScrollRanges(const Layout& layout) {
  const int maxLeft = cols_.MaxFirst(layout.ClientWidth);
  const int maxTop = rows_.MaxFirst(layout.ClientHeight);
  syncingBars_ = true;
  horizontalScrollBar()->setRange(0, maxLeft);
  horizontalScrollBar()->setPageStep(std::max(cols_.FullyShown(maxLeft, layout.ClientWidth), 1));
  verticalScrollBar()->setRange(0, maxTop);
  verticalScrollBar()->setPageStep(std::max(rows_.FullyShown(maxTop, layout.ClientHeight), 1));
  syncingBars_ = false;
  SetLeftTop(std::min(leftCol_, maxLeft), std::min(topRow_, maxTop));
}

void TDrawGrid::SetLeftTop(int leftCol, int topRow) {
  leftCol = std::clamp(leftCol, 0, horizontalScrollBar()->maximum());
  topRow = std::clamp(topRow, 0, verticalScrollBar()->maximum());
  const bool moved = leftCol != leftCol_ || topRow != topRow_;
  leftCol_ = leftCol;
  topRow_ = topRow;
  syncingBars_ = true;
  horizontalScrollBar()->setValue(leftCol);
  verticalScrollBar()->setValue(topRow);
  syncingBars_ = false;
  if (moved) viewport()->update();
}

void TDrawGrid::ScrollIntoView(int col, int row) {
  const Layout layout = ComputeLayout();
  SetLeftTop(cols_.FirstToShow(leftCol_, layout.ClientWidth, col),
             rows_.FirstToShow(topRow_, layout.ClientHeight, row));
}

// Called when the user moves a scroll bar; the cells are not shifted on
// screen but painted afresh from the new first column and row.
void TDrawGrid::scrollContentsBy(int, int) {
  if (syncingBars_) return;
  leftCol_ = horizontalScrollBar()->value();
  topRow_ = verticalScrollBar()->value();
  viewport()->update();
}

void TDrawGrid::resizeEvent(QResizeEvent*) { UpdateLayout(); }

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
  // The paint event that repaint() sends shows what was just composed. Only
  // the viewport changed: repainting the whole grid would have Qt paint the
  // parent panel beneath it and the edge again as well.
  composedAhead_ = true;
  viewport()->repaint();
  composedAhead_ = false;
  AnnounceChangedNames();
}

void TDrawGrid::paintEvent(QPaintEvent*) {
  if (!composedAhead_) Perform(WM_PAINT);
  if (image_.isNull()) return;
  QPainter painter(viewport());
  painter.drawImage(0, 0, image_);
}

// The grid's own paint events draw the edge (and the square between two
// scroll bars); the viewport's come to paintEvent.
bool TDrawGrid::event(QEvent* event) {
  if (event->type() != QEvent::Paint) return QAbstractScrollArea::event(event);
  PaintBorder();
  return true;
}

void TDrawGrid::PaintBorder() {
  QPainter painter(this);
  const int w = width();
  const int h = height();
  DrawEdge(painter, rect(), TEdge::FieldSunken, EdgePalette(kFace));
  const Layout layout = ComputeLayout();
  if (layout.HorzBar && layout.VertBar) {
    const int frame = frameWidth();
    painter.fillRect(frame + layout.ClientWidth, frame + layout.ClientHeight,
                     w - 2 * frame - layout.ClientWidth, h - 2 * frame - layout.ClientHeight,
                     ToQColor(kFace));
  }
}

void TDrawGrid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
  AnnounceCurrentCell(col_, row_);
}

void TDrawGrid::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

}  // namespace classlib
