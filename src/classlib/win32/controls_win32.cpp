// controls_win32.cpp: the Win32 peers of panels, push buttons, and of the
// controls their parent paints: bevels, images, labels and speed buttons.
// Every pixel with a rule of its own is composed by our raster and copied
// to the screen; the system draws the text and the push button.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "classlib/application.h"
#include "classlib/bevels.h"
#include "classlib/image.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "classlib/stdctrls.h"
#include "classlib/win32/font_win32.h"
#include "classlib/win32/window_win32.h"

namespace classlib::win32 {
namespace {

// --- Panels ------------------------------------------------------------------

class PanelPeer : public Windowed<TControlPeer> {
 public:
  PanelPeer(TPanel& panel, TWinControl& parent) : Windowed(panel), panel_(panel) {
    Create(0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, HandleOf(parent), {0, 0, 0, 0});
  }

  void PaintBackground(::HDC dc, const TRect& client) override {
    const TColor face = panel_.Color();
    const auto fill = [dc](const TRect& b, TColor colour) { FillBlock(dc, b, colour); };
    fill(client, face);
    const auto bevel = [&](const TRect& r, TBevelCut cut) {
      if (cut != TBevelCut::bvNone) {
        DrawEdge(r, cut == TBevelCut::bvRaised ? TEdge::PanelRaised : TEdge::PanelLowered, face, fill);
      }
    };
    bevel(client, panel_.BevelOuter());
    const int inset = panel_.BevelOuter() != TBevelCut::bvNone ? 1 : 0;
    bevel({inset, inset, client.Right - inset, client.Bottom - inset}, panel_.BevelInner());
  }

 private:
  TPanel& panel_;
};

// --- Push buttons ------------------------------------------------------------

class ButtonPeer : public Windowed<TControlPeer> {
 public:
  ButtonPeer(TButton& button, TWinControl& parent) : Windowed(button), button_(button) {
    Create(0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, HandleOf(parent), {0, 0, 0, 0}, WC_BUTTONW);
    static int nextId = 1000;
    SetWindowLongPtrW(Handle(), GWLP_ID, nextId++);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  }

  void Invalidate() override {
    SetWindowTextW(Handle(), Wide(button_.Caption()).c_str());
    SendMessageW(Handle(), BM_SETSTYLE, button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }

  LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_TESSRA_CLICK) {
      button_.Click();
      return 0;
    }
    return WindowPeer::Message(msg, wParam, lParam);
  }

 private:
  TButton& button_;
};

// --- Graphic controls ----------------------------------------------------------

class BevelPeer : public Graphic<TControlPeer> {
 public:
  BevelPeer(TBevel& bevel, TWinControl& parent) : Graphic(bevel, parent), bevel_(bevel) {}

  void Paint(::HDC dc) override {
    const TRect b = Place();
    if (bevel_.Shape() != TBevelShape::bsLeftLine || b.Height() <= 0) return;
    FillBlock(dc, {b.Left, b.Top, b.Left + 1, b.Bottom}, kEdgeDark);
    FillBlock(dc, {b.Left + 1, b.Top, b.Left + 2, b.Bottom}, kEdgeLight);
  }

 private:
  TBevel& bevel_;
};

PCWSTR IconOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtInformation: return IDI_INFORMATION;
    case TMsgDlgType::mtWarning: return IDI_WARNING;
    case TMsgDlgType::mtError: break;
  }
  return IDI_ERROR;
}

class ImagePeer : public Graphic<TControlPeer> {
 public:
  ImagePeer(TImage& image, TWinControl& parent) : Graphic(image, parent), image_(image) {}

  void Paint(::HDC dc) override {
    const TRect b = Place();
    if (image_.Icon()) {
      DrawIconEx(dc, b.Left, b.Top, LoadIconW(nullptr, IconOf(*image_.Icon())), b.Width(), b.Height(), 0,
                 nullptr, DI_NORMAL);
      return;
    }
    const platform::Surface& shown = image_.Shown();
    if (!shown.IsEmpty()) ShowSurface(dc, b.Left, b.Top, shown);
  }

 private:
  TImage& image_;
};

HFONT LabelFont(const TLabel& label) {
  if (label.Font()) return FontHandle(*label.Font());
  WindowPeer* parent = WindowPeerOf(*label.Parent());
  return parent != nullptr ? parent->Font() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

UINT TextFormat(const TLabel& label) {
  UINT format = DT_NOPREFIX;
  if (label.Alignment() == TAlignment::taRightJustify) format |= DT_RIGHT;
  if (label.Alignment() == TAlignment::taCenter) format |= DT_CENTER;
  if (label.WordWrap()) format |= DT_WORDBREAK;
  return format;
}

class LabelPeer : public Graphic<TLabelPeer> {
 public:
  LabelPeer(TLabel& label, TWinControl& parent) : Graphic(label, parent), label_(label) {}

  TSize WrappedExtent(int maxWidth) const override {
    ::HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, LabelFont(label_));
    RECT r{0, 0, maxWidth, 10000};
    const std::wstring text = Wide(label_.Caption());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFormat(label_) | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right - r.left, r.bottom - r.top};
  }

  void Paint(::HDC dc) override {
    const TRect b = Place();
    const std::wstring text = Wide(label_.Caption());
    HGDIOBJ old = SelectObject(dc, LabelFont(label_));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, label_.FontColor() ? ToColorRef(*label_.FontColor()) : GetSysColor(COLOR_BTNTEXT));
    RECT r{b.Left, b.Top, b.Right, b.Bottom};
    if (label_.Layout() == TTextLayout::tlCenter) {
      RECT measured = r;
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, TextFormat(label_) | DT_CALCRECT);
      r.top += std::max(0, (b.Height() - static_cast<int>(measured.bottom - measured.top)) / 2);
    }
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFormat(label_));
    SelectObject(dc, old);
  }

 private:
  TLabel& label_;
};

class SpeedButtonPeer : public Graphic<TControlPeer> {
 public:
  SpeedButtonPeer(TSpeedButton& button, TWinControl& parent) : Graphic(button, parent), button_(button) {
    if (WindowPeer* window = WindowPeerOf(parent)) window->AddTip(this);
  }

  TString TipText() const override { return button_.ShowHint() ? button_.Hint() : TString(); }

  void Paint(::HDC dc) override {
    const TRect b = Place();
    if (b.IsEmpty()) return;
    platform::Surface s(b.Width(), b.Height());
    const TColor face = backend::ButtonFace();
    const TRect all{0, 0, b.Width(), b.Height()};
    platform::FillRect(s, all, face);
    const bool down = pressed_ && inside_;
    DrawEdge(all, down ? TEdge::ButtonDown : TEdge::ButtonRaised, face,
             [&s](const TRect& r, TColor colour) { platform::FillRect(s, r, colour); });
    const platform::MaskedGlyph& glyph = IsEnabled() ? button_.Glyph() : button_.DisabledGlyph();
    if (!glyph.Image.IsEmpty()) {
      const int offset = down ? 1 : 0;
      platform::DrawMasked(s, (b.Width() - glyph.Image.Width()) / 2 + offset,
                           (b.Height() - glyph.Image.Height()) / 2 + offset, glyph);
    }
    ShowSurface(dc, b.Left, b.Top, s);
  }

  bool MouseDown(int, int) override {
    pressed_ = inside_ = true;
    Repaint();
    return true;
  }
  void MouseMove(int x, int y) override {
    const bool inside = Contains(x, y);
    if (inside == inside_) return;
    inside_ = inside;
    Repaint();
  }
  void MouseUp(int x, int y) override {
    const bool click = pressed_ && Contains(x, y);
    pressed_ = inside_ = false;
    Repaint();
    if (click) button_.Click();
  }

 private:
  bool Contains(int x, int y) const { return TRect{0, 0, Place().Width(), Place().Height()}.Contains(x, y); }

  TSpeedButton& button_;
  bool pressed_ = false;
  bool inside_ = false;
};

}  // namespace

}  // namespace classlib::win32

namespace classlib::backend {

using namespace classlib::win32;

std::unique_ptr<TControlPeer> CreatePeer(TPanel& panel, TWinControl& parent) {
  return std::make_unique<PanelPeer>(panel, parent);
}
std::unique_ptr<TControlPeer> CreatePeer(TBevel& bevel, TWinControl& parent) {
  return std::make_unique<BevelPeer>(bevel, parent);
}
std::unique_ptr<TControlPeer> CreatePeer(TImage& image, TWinControl& parent) {
  return std::make_unique<ImagePeer>(image, parent);
}
std::unique_ptr<TLabelPeer> CreatePeer(TLabel& label, TWinControl& parent) {
  return std::make_unique<LabelPeer>(label, parent);
}
std::unique_ptr<TControlPeer> CreatePeer(TButton& button, TWinControl& parent) {
  return std::make_unique<ButtonPeer>(button, parent);
}
std::unique_ptr<TControlPeer> CreatePeer(TSpeedButton& button, TWinControl& parent) {
  return std::make_unique<SpeedButtonPeer>(button, parent);
}

}  // namespace classlib::backend
