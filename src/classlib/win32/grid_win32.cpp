// grid_win32.cpp: a draw grid's Win32 window: a client area inside a
// 2-pixel sunken edge that shows the cells the grid composed, scroll bars
// that count whole cells, and the window's messages handed to the grid.
// WM_ERASEBKGND goes through the grid's replaceable WindowProc, as the
// design's window procedures expect.
#include "classlib/win32/grid_win32.h"

#include <windowsx.h>

#include "classlib/bevels.h"
#include "classlib/win32/accessible_win32.h"

namespace classlib::win32 {
namespace {

DWORD EventOf(TAccessEvent event) {
  switch (event) {
    case TAccessEvent::Focus: return EVENT_OBJECT_FOCUS;
    case TAccessEvent::Selection: return EVENT_OBJECT_SELECTION;
    case TAccessEvent::SelectionRemove: return EVENT_OBJECT_SELECTIONREMOVE;
    case TAccessEvent::NameChange: return EVENT_OBJECT_NAMECHANGE;
    case TAccessEvent::DescriptionChange: break;
  }
  return EVENT_OBJECT_DESCRIPTIONCHANGE;
}

}  // namespace

GridPeer::GridPeer(TDrawGrid& grid, TWinControl& parent) : Windowed(grid), grid_(grid) {
  Create(0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, HandleOf(parent), {0, 0, 0, 0});
}

void GridPeer::SetScrollBars(const TScrollBarState& horz, const TScrollBarState& vert) {
  horz_ = horz;
  vert_ = vert;
  for (auto [bar, state] : {std::pair{SB_HORZ, horz}, {SB_VERT, vert}}) {
    ShowScrollBar(Handle(), bar, state.Shown ? TRUE : FALSE);
    if (!state.Shown) continue;
    // The thumb's last position is Max: the range ends Page - 1 beyond it.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = state.Max + state.Page - 1;
    info.nPage = static_cast<UINT>(state.Page);
    info.nPos = state.Position;
    SetScrollInfo(Handle(), bar, &info, TRUE);
  }
}

void GridPeer::ShowCellsNow() {
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
}

void GridPeer::Announce(TAccessEvent event, int cell) {
  NotifyWinEvent(EventOf(event), Handle(), OBJID_CLIENT, cell >= 0 ? cell + 1 : CHILDID_SELF);
}

void GridPeer::PaintBackground(::HDC dc, const TRect&) { ShowSurface(dc, 0, 0, grid_.CellsToShow()); }

void GridPeer::PaintEdge(::HDC dc) {
  RECT window{};
  GetWindowRect(Handle(), &window);
  const int w = window.right - window.left, h = window.bottom - window.top;
  const auto fill = [dc](const TRect& b, TColor colour) { FillBlock(dc, b, colour); };
  DrawEdge(TRect{0, 0, w, h}, TEdge::FieldSunken, kGridFace, fill);
  if (horz_.Shown && vert_.Shown) {
    const int right = w - FrameWidth(), bottom = h - FrameWidth();
    fill({right - VertBarWidth(), bottom - HorzBarHeight(), right, bottom}, kGridFace);
  }
}

void GridPeer::Scroll(int bar, WPARAM wParam) {
  const int request = LOWORD(wParam);
  const TScrollBarState& state = bar == SB_HORZ ? horz_ : vert_;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(Handle(), bar, &info);
  int position = state.Position;
  switch (request) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= state.Page; break;
    case SB_PAGERIGHT: position += state.Page; break;
    case SB_LEFT: position = 0; break;
    case SB_RIGHT: position = state.Max; break;
    case SB_THUMBTRACK: position = info.nTrackPos; break;
    case SB_THUMBPOSITION: position = HIWORD(wParam); break;
    default: return;
  }
  position = std::clamp(position, 0, state.Max);
  if (bar == SB_HORZ) {
    horz_.Position = position;
  } else {
    vert_.Position = position;
  }
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(Handle(), bar, &info, TRUE);
  grid_.Scrolled(horz_.Position, vert_.Position);
}

LRESULT GridPeer::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCALCSIZE: {
      // The 2-pixel edge is ours; the scroll bars lie inside it.
      auto* r = reinterpret_cast<RECT*>(lParam);
      InflateRect(r, -FrameWidth(), -FrameWidth());
      const LRESULT result = Default(msg, wParam, lParam);
      return result;
    }
    case WM_NCPAINT: {
      const LRESULT result = Default(msg, wParam, lParam);
      ::HDC dc = GetWindowDC(Handle());
      PaintEdge(dc);
      ReleaseDC(Handle(), dc);
      return result;
    }
    case WM_PRINT: {
      const LRESULT result = Default(msg, wParam, lParam);
      if ((lParam & PRF_NONCLIENT) != 0) PaintEdge(reinterpret_cast<::HDC>(wParam));
      return result;
    }
    case WM_ERASEBKGND:
      return grid_.Perform(WM_ERASEBKGND, wParam, lParam);
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    case WM_LBUTTONDOWN:
      SetFocus();
      SetCapture(Handle());
      grid_.MouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_MOUSEMOVE:
      if ((wParam & MK_LBUTTON) != 0) grid_.MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      grid_.MouseUp();
      return 0;
    case WM_LBUTTONDBLCLK:
      grid_.DblClick();
      return 0;
    case WM_KEYDOWN:
      if (grid_.KeyDown(static_cast<TKeyCode>(wParam),
                        {(GetKeyState(VK_CONTROL) & 0x8000) != 0, (lParam & (1 << 30)) != 0})) {
        return 0;
      }
      break;
    case WM_HSCROLL:
      Scroll(SB_HORZ, wParam);
      return 0;
    case WM_VSCROLL:
      Scroll(SB_VERT, wParam);
      return 0;
    case WM_MOUSEWHEEL:
      if (!vert_.Shown) break;
      Scroll(SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
      return 0;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) return AnswerGridObject(*this, wParam);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = Default(msg, wParam, lParam);
      grid_.FocusChanged(msg == WM_SETFOCUS);
      return result;
    }
    default:
      break;
  }
  return WindowPeer::Message(msg, wParam, lParam);
}

}  // namespace classlib::win32

namespace classlib::backend {

using namespace classlib::win32;


std::unique_ptr<TGridPeer> CreatePeer(TDrawGrid& grid, TWinControl& parent) {
  return std::make_unique<GridPeer>(grid, parent);
}

}  // namespace classlib::backend
