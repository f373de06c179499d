// grid_win32.h: a draw grid's Win32 window, for the accessibility bridge.
#pragma once

#include "classlib/drawgrid.h"
#include "classlib/win32/window_win32.h"

namespace classlib::win32 {

class GridPeer : public Windowed<TGridPeer> {
 public:
  GridPeer(TDrawGrid& grid, TWinControl& parent);

  TDrawGrid& Grid() const { return grid_; }

  int FrameWidth() const override { return 2; }
  int HorzBarHeight() const override { return GetSystemMetrics(SM_CYHSCROLL); }
  int VertBarWidth() const override { return GetSystemMetrics(SM_CXVSCROLL); }
  void SetScrollBars(const TScrollBarState& horz, const TScrollBarState& vert) override;
  void ShowCellsNow() override;
  void InvalidateCells() override { InvalidateRect(Handle(), nullptr, FALSE); }
  bool AccessibilityActive() const override { return true; }
  void Announce(TAccessEvent event, int cell) override;

  LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void PaintBackground(::HDC dc, const TRect& client) override;

 private:
  void Scroll(int bar, WPARAM wParam);
  void PaintEdge(::HDC dc);

  TDrawGrid& grid_;
  TScrollBarState horz_;
  TScrollBarState vert_;
};

}  // namespace classlib::win32
