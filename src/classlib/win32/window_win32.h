// window_win32.h: what the Win32 peers share: one window class whose
// procedure hands every message to the peer that made the window, the
// peers of controls with a window of their own and of those painted by
// their parent, and the way from a control to its window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/controls.h"
#include "classlib/exception.h"

namespace classlib::win32 {

std::wstring Wide(const TString& text);
TString FromWide(const wchar_t* text, int length = -1);

// The application's hidden top-level window: it carries the taskbar button
// and owns the main form.
HWND ApplicationWindow();

class GraphicPeer;

// A control with a window: the window's messages come to Message; what it
// does not take goes to DefWindowProc.
class WindowPeer {
 public:
  virtual ~WindowPeer();
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  HWND Handle() const { return hwnd_; }
  TWinControl& Control() const { return control_; }

  // Makes the window; `style` gets WS_CLIPCHILDREN added.
  void Create(DWORD exStyle, DWORD style, HWND parent, const TRect& bounds, const wchar_t* className = nullptr);
  virtual LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

  // The client area's pixels before the controls painted by this window
  // go on them; nothing by default, the grid paints its own.
  virtual void PaintBackground(::HDC dc, const TRect& client);
  // Paints the background, then the graphic children in creation order,
  // through one back buffer.
  void PaintClient(::HDC target);
  // The controls this window paints, in creation order.
  std::vector<GraphicPeer*> GraphicChildren() const;
  // The graphic child under a client point, the latest made first.
  GraphicPeer* GraphicAt(int x, int y) const;
  // The window's font: its own, or its parent's, or the system's.
  HFONT Font() const;
  void SetOwnFont(HFONT font) { font_ = font; }
  // A graphic child that goes lets go of the mouse, and of its tip.
  void Forget(const GraphicPeer* child);
  // Gives the graphic child a tip over its place; the text is asked for
  // each time it is to show (GraphicPeer::TipText).
  void AddTip(GraphicPeer* child);
  void MoveTip(GraphicPeer* child);

 protected:
  explicit WindowPeer(TWinControl& control) : control_(control) {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  TWinControl& control_;
  HWND hwnd_ = nullptr;
  GraphicPeer* captured_ = nullptr;  // the graphic child that holds the mouse
  HFONT font_ = nullptr;
  HWND tips_ = nullptr;  // made with the first tip
  std::wstring tipText_;  // the text of the tip showing
};

// The TControlPeer side of a windowed control, from its window.
template <typename PeerBase>
class Windowed : public PeerBase, public WindowPeer {
 public:
  explicit Windowed(TWinControl& control) : WindowPeer(control) {}

  TRect Bounds() const override {
    RECT r{};
    GetWindowRect(Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(Handle()), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
  }
  void SetBounds(const TRect& b) override { MoveWindow(Handle(), b.Left, b.Top, b.Width(), b.Height(), TRUE); }
  bool Visible() const override { return IsWindowVisible(Handle()) != FALSE; }
  bool Enabled() const override { return IsWindowEnabled(Handle()) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(Handle(), enabled ? TRUE : FALSE); }
  bool Focused() const override { return GetFocus() == Handle(); }
  void SetFocus() override { ::SetFocus(Handle()); }
  void Invalidate() override { InvalidateRect(Handle(), nullptr, FALSE); }
  void SetAccessibleName(const TString& name) override { accessibleName_ = name; }
  const TString& AccessibleName() const { return accessibleName_; }

 private:
  TString accessibleName_;
};

// A control painted by its parent: a place in the parent's client area.
class GraphicPeer {
 public:
  GraphicPeer(TControl& control, TWinControl& parent) : control_(control), parent_(parent) {}
  virtual ~GraphicPeer();
  GraphicPeer(const GraphicPeer&) = delete;
  GraphicPeer& operator=(const GraphicPeer&) = delete;

  TRect Place() const { return place_; }
  void SetPlace(const TRect& place);
  bool IsEnabled() const { return enabled_ && parent_.Enabled(); }
  void SetIsEnabled(bool enabled);
  // Has the parent paint the control's place again.
  void Repaint() const;
  const TString& Name() const { return name_; }
  void SetName(const TString& name) { name_ = name; }

  // Paints the control on its parent's back buffer, at its own place.
  virtual void Paint(::HDC dc) = 0;
  // The left button over the control, in its own coordinates; true to keep
  // the mouse until it is released.
  virtual bool MouseDown(int /*x*/, int /*y*/) { return false; }
  virtual void MouseMove(int /*x*/, int /*y*/) {}
  virtual void MouseUp(int /*x*/, int /*y*/) {}
  // The tip to show over the control; nothing shows for an empty one.
  virtual TString TipText() const { return {}; }

  TControl& Control() const { return control_; }
  TWinControl& Parent() const { return parent_; }
  HWND ParentHandle() const;

 private:
  TControl& control_;
  TWinControl& parent_;
  TRect place_;
  bool enabled_ = true;
  TString name_;
};

// The TControlPeer side of a graphic control.
template <typename PeerBase>
class Graphic : public PeerBase, public GraphicPeer {
 public:
  using GraphicPeer::GraphicPeer;

  TRect Bounds() const override { return Place(); }
  void SetBounds(const TRect& bounds) override { SetPlace(bounds); }
  bool Visible() const override { return Parent().Visible(); }
  bool Enabled() const override { return IsEnabled(); }
  void SetEnabled(bool enabled) override { SetIsEnabled(enabled); }
  bool Focused() const override { return false; }
  void SetFocus() override {}
  void Invalidate() override { Repaint(); }
  void SetAccessibleName(const TString& name) override { SetName(name); }
};

// The window of a windowed control, and the one its children go in.
HWND HandleOf(const TControl& control);
WindowPeer* WindowPeerOf(const TControl& control);

// A 32-bit bitmap of w x h pixels, top row first.
BITMAPINFO TopDownBitmap(int width, int height);
// Fills a block of a device context with one exact colour.
void FillBlock(::HDC dc, const TRect& block, TColor colour);
// Copies a surface onto a device context, pixel for pixel.
void ShowSurface(::HDC dc, int x, int y, const platform::Surface& surface);
COLORREF ToColorRef(TColor color);
TColor FromColorRef(COLORREF color);

// Custom messages of our windows.
inline constexpr UINT WM_TESSRA_RELEASE = WM_APP + 1;
inline constexpr UINT WM_TESSRA_CLICK = WM_APP + 2;  // a push button was pressed

}  // namespace classlib::win32
