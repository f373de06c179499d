// driver_win32.cpp: the player's actions as the window messages Windows
// sends, and what the controls' windows show, read back from their device
// contexts.
#include <windows.h>

#include <deque>
#include <functional>

#include <gtest/gtest.h>

#include "classlib/drawgrid.h"
#include "classlib/form.h"
#include "classlib/menus.h"
#include "classlib/speedbutton.h"
#include "classlib/stdctrls.h"
#include "classlib/win32/menus_win32.h"
#include "classlib/win32/window_win32.h"
#include "support/driver.h"

using namespace classlib;
using classlib::win32::HandleOf;

namespace testdriver {
namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// The system gives the mouse and the keys only to a window that takes input,
// with every window around it.
bool TakesInput(HWND hwnd) {
  for (HWND w = hwnd; w != nullptr && (GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD) != 0; w = GetParent(w)) {
    if (!IsWindowEnabled(w)) return false;
  }
  return IsWindowEnabled(GetAncestor(hwnd, GA_ROOT)) != FALSE;
}

POINT Centre(const TDrawGrid* grid, int col, int row) {
  const TRect r = grid->CellRect(col, row);
  return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

std::deque<std::function<void()>>& Tasks() {
  static std::deque<std::function<void()>> tasks;
  return tasks;
}

void CALLBACK RunTasks(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  while (!Tasks().empty()) {
    const std::function<void()> task = std::move(Tasks().front());
    Tasks().pop_front();
    task();
  }
}

// Handles what is queued, the keys that move between a dialog's controls
// going to `dialog` first, as a modal loop does.
void Pump(HWND dialog = nullptr) {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));
      return;
    }
    if (dialog != nullptr && IsDialogMessageW(dialog, &m)) continue;
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

// What `paint` draws on a w x h bitmap, cropped to `part`.
platform::Surface Rendered(int w, int h, const std::function<void(::HDC)>& paint, const TRect& part) {
  platform::Surface s(part.Width(), part.Height());
  if (w <= 0 || h <= 0 || part.IsEmpty()) return s;
  const BITMAPINFO info = classlib::win32::TopDownBitmap(w, h);
  void* bits = nullptr;
  ::HDC screen = GetDC(nullptr);
  ::HDC mem = CreateCompatibleDC(screen);
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(mem, dib);
  paint(mem);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int row = 0; row < part.Height(); ++row) {
    for (int col = 0; col < part.Width(); ++col) {
      s.SetPixel(col, row, pixels[(part.Top + row) * w + part.Left + col] | 0xFF000000u);
    }
  }
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  return s;
}

}  // namespace

bool ShowAndWait(TForm* form) {
  form->Show();
  UpdateWindow(HandleOf(*form));
  Pump();
  return IsWindowVisible(HandleOf(*form)) != FALSE;
}

void ProcessEvents() { Pump(); }

void Later(std::function<void()> task) {
  Tasks().push_back(std::move(task));
  SetTimer(nullptr, 0, 0, RunTasks);
}

void ClickAt(TDrawGrid* grid, int x, int y) {
  HWND hwnd = HandleOf(*grid);
  if (!TakesInput(hwnd)) return;
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(x, y));
  Pump();
}

// Windows sends down, up, double-click, up.
void DoubleClickAt(TDrawGrid* grid, int x, int y) {
  HWND hwnd = HandleOf(*grid);
  if (!TakesInput(hwnd)) return;
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(x, y));
  SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, At(x, y));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(x, y));
  Pump();
}

void ClickCell(TDrawGrid* grid, int col, int row) {
  const POINT at = Centre(grid, col, row);
  ClickAt(grid, at.x, at.y);
}

void DoubleClickCell(TDrawGrid* grid, int col, int row) {
  const POINT at = Centre(grid, col, row);
  DoubleClickAt(grid, at.x, at.y);
}

void PressCell(TDrawGrid* grid, int col, int row) {
  if (!TakesInput(HandleOf(*grid))) return;
  const POINT at = Centre(grid, col, row);
  SendMessageW(HandleOf(*grid), WM_LBUTTONDOWN, MK_LBUTTON, At(at.x, at.y));
}

void ReleaseCell(TDrawGrid* grid, int col, int row) {
  const POINT at = Centre(grid, col, row);
  SendMessageW(HandleOf(*grid), WM_LBUTTONUP, 0, At(at.x, at.y));
}

void DragOverCell(TDrawGrid* grid, int col, int row) {
  const POINT at = Centre(grid, col, row);
  const WPARAM buttons = (GetCapture() == HandleOf(*grid)) ? MK_LBUTTON : 0;
  SendMessageW(HandleOf(*grid), WM_MOUSEMOVE, buttons, At(at.x, at.y));
}

void PressKey(TDrawGrid* grid, TKeyCode key) {
  HWND hwnd = HandleOf(*grid);
  if (!TakesInput(hwnd)) return;
  SetFocus(hwnd);
  SendMessageW(hwnd, WM_KEYDOWN, key, 1);
  SendMessageW(hwnd, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
  Pump();
}

// Through the queue, as the modal loop takes keys.
void PressKey(TForm* form, TKeyCode key) {
  HWND hwnd = HandleOf(*form);
  HWND target = GetFocus();
  if (target == nullptr || (target != hwnd && !IsChild(hwnd, target))) target = hwnd;
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
  Pump(hwnd);
}

void ScrollTo(TDrawGrid* grid, int leftCol, int topRow) {
  HWND hwnd = HandleOf(*grid);
  SendMessageW(hwnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, leftCol), 0);
  SendMessageW(hwnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, topRow), 0);
}

std::pair<bool, bool> ScrollBarsShown(const TDrawGrid* grid) {
  const LONG_PTR style = GetWindowLongPtrW(HandleOf(*grid), GWL_STYLE);
  return {(style & WS_HSCROLL) != 0, (style & WS_VSCROLL) != 0};
}

namespace {
// A speed button is painted by its parent window, which takes its mouse.
LPARAM CentreOf(const TSpeedButton* button) {
  const TRect b = button->Peer().Bounds();
  return At(b.Left + b.Width() / 2, b.Top + b.Height() / 2);
}
}  // namespace

void Press(TSpeedButton* button) {
  if (!TakesInput(HandleOf(*button->Parent()))) return;
  SendMessageW(HandleOf(*button->Parent()), WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(button));
}

void Click(TSpeedButton* button) {
  if (!TakesInput(HandleOf(*button->Parent()))) return;
  Press(button);
  SendMessageW(HandleOf(*button->Parent()), WM_LBUTTONUP, 0, CentreOf(button));
  Pump();
}

void Click(TButton* button) {
  SendMessageW(HandleOf(*button), BM_CLICK, 0, 0);
  Pump();
}

void Choose(TMenuItem* item) {
  const UINT id = classlib::win32::CommandOf(*item);
  // The window whose menu holds the command, as the menu sends it.
  struct Search {
    UINT Id;
    HWND Found;
  } search{id, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        HMENU menu = GetMenu(hwnd);
        if (menu != nullptr && GetMenuState(menu, s->Id, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
          s->Found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (search.Found == nullptr) return;
  // A greyed item sends nothing.
  if ((GetMenuState(GetMenu(search.Found), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) != 0) return;
  SendMessageW(search.Found, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  Pump();
}

void CloseWindow(TForm* form) {
  SendMessageW(HandleOf(*form), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
}

void Minimize(TForm* form) {
  SendMessageW(HandleOf(*form), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
}

// As the taskbar button does: the restore goes to the window that carries it.
void Restore(TForm*) {
  SendMessageW(classlib::win32::ApplicationWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
}

// The taskbar button is the application window's: a shown window under a
// minimised button, or a hidden one under a restored button, is a fault.
bool IsMinimized(const TForm* form) {
  HWND hwnd = HandleOf(*form);
  const bool iconic = IsIconic(classlib::win32::ApplicationWindow()) != FALSE;
  EXPECT_EQ(iconic, IsWindowVisible(hwnd) == FALSE) << "the window and the taskbar button disagree";
  EXPECT_FALSE(IsIconic(hwnd)) << "a window minimised alone, without its taskbar button";
  return iconic;
}

// Rendered through WM_PRINT and WM_PRINTCLIENT, so that a window not on
// screen, or covered, shows what it would.
platform::Surface Grab(const TControl* control) {
  if (HWND own = HandleOf(*control)) {
    RECT r{};
    GetWindowRect(own, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    return Rendered(w, h, [own](::HDC dc) { SendMessageW(own, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT); },
                    {0, 0, w, h});
  }
  HWND parent = HandleOf(*control->Parent());
  RECT r{};
  GetClientRect(parent, &r);
  return Rendered(r.right, r.bottom,
                  [parent](::HDC dc) { SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); },
                  control->Peer().Bounds());
}

platform::Surface GrabCells(const TDrawGrid* grid) {
  HWND hwnd = HandleOf(*grid);
  RECT r{};
  GetClientRect(hwnd, &r);
  return Rendered(r.right, r.bottom,
                  [hwnd](::HDC dc) { SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); },
                  {0, 0, r.right, r.bottom});
}

TString AccessibleName(const TControl* control) {
  if (auto* windowed = dynamic_cast<const classlib::win32::Windowed<TControlPeer>*>(&control->Peer())) {
    return windowed->AccessibleName();
  }
  if (auto* graphic = dynamic_cast<const classlib::win32::GraphicPeer*>(&control->Peer())) return graphic->Name();
  return {};
}

}  // namespace testdriver
