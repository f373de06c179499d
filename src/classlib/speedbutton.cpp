// speedbutton.cpp: tool-bar buttons.
#include "classlib/speedbutton.h"

namespace classlib {

TSpeedButton::TSpeedButton(TWinControl* parent) : TGraphicControl(parent) {
  AttachPeer(backend::CreatePeer(*this, *parent));
}

void TSpeedButton::SetGlyph(const platform::Surface& surface) {
  if (surface.IsEmpty()) return;
  const platform::Color transparent = surface.Pixel(0, surface.Height() - 1);
  glyph_ = platform::MaskFromColor(surface, transparent);
  disabled_ = platform::DisabledGlyph(glyph_);
  Peer().Invalidate();
}

void TSpeedButton::SetHint(const TString& hint) {
  hint_ = hint;
  Peer().SetAccessibleName(hint);
}

void TSpeedButton::Click() {
  if (Enabled() && OnClick) OnClick(this);
}

}  // namespace classlib
