// window_win32.cpp: the one window class of the Win32 peers, the peers of
// windowed and of graphic controls, and painting through a back buffer.
#include "classlib/win32/window_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "classlib/application.h"
#include "classlib/win32/accessible_win32.h"

namespace classlib::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TessraWindow";

void RegisterClassOnce() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // Double-clicks arrive as down, up, double-click, up. No background
    // brush: every pixel comes from the peer's painting.
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

std::wstring Wide(const TString& text) {
  const std::string& utf8 = text.Utf8();
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

TString FromWide(const wchar_t* text, int length) {
  if (text == nullptr) return {};
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), bytes, nullptr, nullptr);
  if (length < 0 && !utf8.empty()) utf8.pop_back();  // the terminating zero
  return TString(utf8);
}

COLORREF ToColorRef(TColor c) { return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }
TColor FromColorRef(COLORREF c) { return platform::Rgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

BITMAPINFO TopDownBitmap(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

void FillBlock(::HDC dc, const TRect& block, TColor colour) {
  const RECT r{block.Left, block.Top, block.Right, block.Bottom};
  SetDCBrushColor(dc, ToColorRef(colour));
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void ShowSurface(::HDC dc, int x, int y, const platform::Surface& surface) {
  if (surface.IsEmpty()) return;
  const BITMAPINFO info = TopDownBitmap(surface.Width(), surface.Height());
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(surface.Width()), static_cast<DWORD>(surface.Height()), 0, 0, 0,
                    static_cast<UINT>(surface.Height()), surface.Bits(), &info, DIB_RGB_COLORS);
}

// --- Windowed controls -------------------------------------------------------

WindowPeer::~WindowPeer() {
  if (hwnd_ == nullptr) return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

void WindowPeer::Create(DWORD exStyle, DWORD style, HWND parent, const TRect& b, const wchar_t* className) {
  RegisterClassOnce();
  const bool ours = className == nullptr;
  hwnd_ = CreateWindowExW(exStyle, ours ? kClassName : className, L"", style | WS_CLIPCHILDREN, b.Left, b.Top,
                          b.Width(), b.Height(), parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr) throw Exception("The window could not be made");
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (ours) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
}

LRESULT CALLBACK WindowPeer::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* peer = reinterpret_cast<WindowPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (peer == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
  // An exception stops here, reported, and the loop goes on: it cannot
  // pass through the system's frames.
  try {
    return peer->Message(msg, wParam, lParam);
  } catch (const Exception& e) {
    Application->ShowException(e);
  } catch (const std::exception&) {
  }
  return 0;
}

LRESULT WindowPeer::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT WindowPeer::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT ps;
      ::HDC dc = BeginPaint(hwnd_, &ps);
      PaintClient(dc);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintClient(reinterpret_cast<::HDC>(wParam));
      return 0;
    case WM_SIZE:
      control_.Resized();
      return 0;
    case WM_COMMAND:
      // A push button's click comes to its parent.
      if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) {
        if (auto* child = reinterpret_cast<WindowPeer*>(GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA))) {
          child->Message(WM_TESSRA_CLICK, 0, 0);
        }
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
      GraphicPeer* g = GraphicAt(x, y);
      if (g != nullptr && g->IsEnabled()) {
        const TRect b = g->Place();
        if (g->MouseDown(x - b.Left, y - b.Top)) {
          captured_ = g;
          SetCapture(hwnd_);
        }
      }
      return 0;
    }
    case WM_MOUSEMOVE:
      if (captured_ != nullptr) {
        const TRect b = captured_->Place();
        captured_->MouseMove(GET_X_LPARAM(lParam) - b.Left, GET_Y_LPARAM(lParam) - b.Top);
      }
      return 0;
    case WM_LBUTTONUP:
      if (GraphicPeer* g = std::exchange(captured_, nullptr)) {
        ReleaseCapture();
        const TRect b = g->Place();
        g->MouseUp(GET_X_LPARAM(lParam) - b.Left, GET_Y_LPARAM(lParam) - b.Top);
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (GraphicPeer* g = std::exchange(captured_, nullptr)) g->MouseUp(-1, -1);
      return 0;
    case WM_NOTIFY: {
      auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
      if (info->hdr.hwndFrom == tips_ && info->hdr.code == TTN_GETDISPINFOW) {
        auto* child = reinterpret_cast<GraphicPeer*>(info->hdr.idFrom);
        tipText_ = Wide(child->TipText());
        info->lpszText = tipText_.data();
        // Up for the application's hint time, as far as the system allows.
        const int pause = std::min(Application->HintHidePause(), 32767);
        SendMessageW(tips_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(pause, 0));
        return 0;
      }
      break;
    }
    case WM_GETOBJECT:
      // The controls this window paints are its client's children.
      if (static_cast<LONG>(lParam) == OBJID_CLIENT && !GraphicChildren().empty()) {
        return AnswerContainerObject(*this, wParam);
      }
      break;
    default:
      break;
  }
  return Default(msg, wParam, lParam);
}

void WindowPeer::PaintBackground(::HDC, const TRect&) {}

void WindowPeer::PaintClient(::HDC target) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return;
  const BITMAPINFO info = TopDownBitmap(w, h);
  void* bits = nullptr;
  ::HDC mem = CreateCompatibleDC(target);
  HBITMAP buffer = CreateDIBSection(target, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (mem == nullptr || buffer == nullptr) {
    if (buffer != nullptr) DeleteObject(buffer);
    if (mem != nullptr) DeleteDC(mem);
    return;
  }
  HGDIOBJ old = SelectObject(mem, buffer);
  PaintBackground(mem, {0, 0, w, h});
  for (GraphicPeer* g : GraphicChildren()) g->Paint(mem);
  BitBlt(target, 0, 0, w, h, mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteObject(buffer);
  DeleteDC(mem);
}

std::vector<GraphicPeer*> WindowPeer::GraphicChildren() const {
  std::vector<GraphicPeer*> children;
  for (TControl* child : control_.Controls()) {
    if (!child->HasPeer()) continue;
    if (auto* g = dynamic_cast<GraphicPeer*>(&child->Peer())) children.push_back(g);
  }
  return children;
}

GraphicPeer* WindowPeer::GraphicAt(int x, int y) const {
  const std::vector<GraphicPeer*> children = GraphicChildren();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if ((*it)->Place().Contains(x, y)) return *it;
  }
  return nullptr;
}

void WindowPeer::Forget(const GraphicPeer* child) {
  if (captured_ == child) captured_ = nullptr;
  if (tips_ == nullptr) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(child);
  SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void WindowPeer::AddTip(GraphicPeer* child) {
  if (tips_ == nullptr) {
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (tips_ == nullptr) return;
  }
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(child);
  const TRect place = child->Place();
  tool.rect = {place.Left, place.Top, place.Right, place.Bottom};
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void WindowPeer::MoveTip(GraphicPeer* child) {
  if (tips_ == nullptr) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(child);
  const TRect place = child->Place();
  tool.rect = {place.Left, place.Top, place.Right, place.Bottom};
  SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

HFONT WindowPeer::Font() const {
  if (font_ != nullptr) return font_;
  if (TWinControl* parent = control_.Parent()) {
    if (WindowPeer* peer = WindowPeerOf(*parent)) return peer->Font();
  }
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HWND HandleOf(const TControl& control) {
  WindowPeer* peer = WindowPeerOf(control);
  return peer != nullptr ? peer->Handle() : nullptr;
}

WindowPeer* WindowPeerOf(const TControl& control) {
  return control.HasPeer() ? dynamic_cast<WindowPeer*>(&control.Peer()) : nullptr;
}

// --- Graphic controls ----------------------------------------------------------

GraphicPeer::~GraphicPeer() {
  if (WindowPeer* parent = WindowPeerOf(parent_)) parent->Forget(this);
}

HWND GraphicPeer::ParentHandle() const { return HandleOf(parent_); }

void GraphicPeer::SetPlace(const TRect& place) {
  Repaint();
  place_ = place;
  Repaint();
  if (WindowPeer* parent = WindowPeerOf(parent_)) parent->MoveTip(this);
}

void GraphicPeer::SetIsEnabled(bool enabled) {
  enabled_ = enabled;
  Repaint();
}

void GraphicPeer::Repaint() const {
  const RECT r{place_.Left, place_.Top, place_.Right, place_.Bottom};
  if (HWND parent = ParentHandle()) InvalidateRect(parent, &r, FALSE);
}

}  // namespace classlib::win32
