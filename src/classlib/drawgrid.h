// drawgrid.h: an owner-drawn grid of cells with a current cell, whose every
// cell is painted by the OnDrawCell handler.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "classlib/canvas.h"
#include "classlib/controls.h"
#include "classlib/gridaxis.h"
#include "classlib/keys.h"
#include "classlib/messages.h"
#include "classlib/tstring.h"

namespace classlib {

struct TGridDrawState {
  bool Selected = false;  // the cell is the current cell
};

using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow,
                                          TRect Rect, TGridDrawState State)>;
using TSelectCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TCellNameEvent = std::function<TString(TObject* Sender, int ACol, int ARow)>;
using TGridTextEvent = std::function<TString(TObject* Sender)>;

enum class TScrollStyle { ssNone, ssBoth };

class TDrawGrid : public TWinControl {
 public:
  explicit TDrawGrid(TWinControl* parent);
  ~TDrawGrid() override;

  int ColCount() const;
  int RowCount() const;

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
  // raises OnSelectCell; setting the current value does nothing. Setting a
  // column or row outside the grid throws Exception.
  int Col() const;
  void SetCol(int col);
  int Row() const;
  void SetRow(int row);
  // The first column shown; scrolling moves the cells by whole cells.
  int LeftCol() const;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);

  // The area inside the border (and the scroll bars) in which cells are drawn.
  int ClientWidth() const;
  int ClientHeight() const;
  // The cell's rectangle in client coordinates; empty when not shown.
  TRect CellRect(int col, int row) const;
  // The shown cell under a client point, as (col, row).
  std::optional<TPoint> CellAt(int x, int y) const;

  // The canvas on the grid's client area, as handed to OnDrawCell.
  TCanvas* Canvas() { return &canvas_; }

  // Paints the whole grid before returning, also when it is hidden.
  void Repaint();

  // What a screen reader calls the cell: OnCellName's answer, empty without
  // a handler. Names once given are compared again at each Repaint, and a
  // changed one is announced.
  // What a screen reader calls the grid as a whole.
  void SetAccessibleName(const TString& name);
  TString CellName(int col, int row);
  // What a screen reader is told of the grid as a whole: OnDescription's
  // answer, empty without a handler.
  TString Description();
  // A cell's description: after a Repaint that found the description or the
  // current cell changed, the current cell carries the grid's description
  // until the current cell moves again; every other cell has none. So a
  // screen reader that speaks the focused cell hears it once after a change,
  // not after every step between cells.
  TString CellDescription(int col, int row) const;
  // The cell's default action for assistive technology, what a double-click
  // on it does: the cell is selected if OnSelectCell allows, then
  // OnDblClick is raised. Nothing happens while the grid is disabled.
  void ActivateCell(int col, int row);
  // Announces the names, and the description, given before that no longer
  // hold. Repaint does this; an owner whose names change without a repaint
  // calls it itself.
  void AnnounceChangedNames();

  // A key pressed while the grid has the focus: the arrows, Home, End, Page
  // Up and Down move the current cell as the player moves it; Enter and
  // Space raise OnDblClick, but not for a held key's repeats. Returns whether
  // the grid took the key.
  bool KeyDown(TKeyCode key, TShiftState shift = {});

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
  TCellNameEvent OnCellName;
  TGridTextEvent OnDescription;

  // ---- From the peer ------------------------------------------------------
  void Resized() override { UpdateLayout(); }
  // The client area is to be shown: the cells as last composed, or composed
  // now when no Repaint has just done so.
  const platform::Surface& CellsToShow();
  // The left button went down, moved while down, or came up, at a point of
  // the client area.
  void MouseDown(int x, int y);
  void MouseMove(int x, int y);
  void MouseUp();
  // The second press of a double-click, which stands in for it: it raises
  // OnDblClick and leaves the selection.
  void DblClick();
  // The player moved a scroll bar to show (leftCol, topRow) first.
  void Scrolled(int leftCol, int topRow);
  void FocusChanged(bool focused);
  struct Layout {
    int ClientWidth = 0;
    int ClientHeight = 0;
    bool HorzBar = false;
    bool VertBar = false;
  };
  // Where the client area and the scroll bars lie inside the edge.
  Layout ComputeLayout() const;
  TGridPeer& GridPeer() const { return static_cast<TGridPeer&>(Peer()); }

 private:
  static void CheckIndex(const TGridAxis& axis, int index);
  // After a change of the cells' number or sizes or of the scroll bars.
  void Changed();
  void UpdateLayout();
  void UpdateScrollRanges(const Layout& layout);
  void SetLeftTop(int leftCol, int topRow);
  void ScrollIntoView(int col, int row);
  void PaintCells();
  void FillBeyondCells();
  // Raises OnSelectCell and moves the current cell if allowed.
  bool TrySelect(int col, int row);
  bool UserSelect(int col, int row);
  bool SelectAt(int x, int y);
  // Tells assistive technology where the current cell went.
  void AnnounceCurrentCell(int oldCol, int oldRow);

  TGridAxis cols_{5, 64};
  TGridAxis rows_{5, 24};
  int col_ = 0;
  int row_ = 0;
  int leftCol_ = 0;
  int topRow_ = 0;
  TColor color_ = clWhite;
  int maxLeft_ = 0;
  int maxTop_ = 0;
  TScrollStyle scrollBars_ = TScrollStyle::ssBoth;

  platform::Surface surface_;
  TCanvas canvas_{&surface_};
  bool composedAhead_ = false;
  bool layingOut_ = false;
  bool dragging_ = false;
  std::vector<std::optional<TString>> givenNames_;  // by cell index; none until asked for
  TString announcedDescription_;  // as of the last Repaint
  int announcedCell_ = -1;
  TString cellDescription_;  // the current cell's, until it moves
};

}  // namespace classlib
