// drawgrid.h: an owner-drawn grid of cells with a current cell, whose every
// cell is painted by the OnDrawCell handler.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <functional>
#include <vector>

#include "classlib/graphics.h"
#include "classlib/messages.h"

namespace classlib {

struct TGridDrawState {
  bool Selected = false;  // the cell is the current cell
  bool Focused = false;   // ... and the grid has the keyboard focus
};

using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow,
                                          TRect Rect, TGridDrawState State)>;
using TSelectCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

enum class TScrollStyle { ssNone, ssBoth };

class TDrawGrid : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TDrawGrid(QWidget* parent = nullptr);
  ~TDrawGrid() override;

  int ColCount() const;
  void SetColCount(int count);
  int RowCount() const;
  void SetRowCount(int count);

  // Setting a default size resets every column width (row height) to it.
  int DefaultColWidth() const;
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const;
  void SetDefaultRowHeight(int height);
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  int RowHeight(int row) const;
  void SetRowHeight(int row, int height);

  // The current cell. Every change, by the user or by these setters, first
  // raises OnSelectCell; setting the current value does nothing.
  int Col() const;
  void SetCol(int col);
  int Row() const;
  void SetRow(int row);
  // The first column and row shown; scrolling moves them by whole cells.
  int LeftCol() const;
  int TopRow() const;

  TColor Color() const;
  void SetColor(TColor color);
  TScrollStyle ScrollBars() const;
  void SetScrollBars(TScrollStyle style);

  // The area inside the border (and the scroll bars) in which cells are drawn.
  int ClientWidth() const;
  int ClientHeight() const;
  // The cell's rectangle in client coordinates; empty when not shown.
  TRect CellRect(int col, int row) const;

  // The canvas on the grid's client area, as handed to OnDrawCell.
  TCanvas* Canvas();
  // What the grid has painted so far, one pixel per client pixel.
  const platform::Surface& ClientSurface() const;

  // Paints the whole grid before returning.
  void Repaint();

  // Sends a message through WindowProc and returns its result.
  std::int32_t Perform(std::uint32_t msg, std::intptr_t wParam = 0,
                       std::intptr_t lParam = 0);
  // The grid's own handling: WM_ERASEBKGND fills the client area with Color,
  // WM_PAINT paints every visible cell through OnDrawCell.
  void WndProc(TMessage& message);

  // Receives every message first; starts out as WndProc. Replace it to
  // intercept messages, keeping the old one to hand the rest on.
  TWndMethod WindowProc;

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TNotifyEvent OnDblClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

}  // namespace classlib
