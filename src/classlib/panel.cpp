// panel.cpp: panels and bevels.
#include "classlib/panel.h"

namespace classlib {

TPanel::TPanel(TWinControl* parent) : TWinControl(parent) {
  AttachPeer(backend::CreatePeer(*this, *parent));
}

void TPanel::SetBevelOuter(TBevelCut cut) {
  bevelOuter_ = cut;
  Peer().Invalidate();
}

void TPanel::SetBevelInner(TBevelCut cut) {
  bevelInner_ = cut;
  Peer().Invalidate();
}

void TPanel::SetColor(TColor color) {
  color_ = color;
  Peer().Invalidate();
}

TColor TPanel::Color() const { return color_.value_or(backend::ButtonFace()); }

int TPanel::BevelWidth() const {
  return (bevelOuter_ != TBevelCut::bvNone ? 1 : 0) + (bevelInner_ != TBevelCut::bvNone ? 1 : 0);
}

TRect TPanel::ClientRect() const {
  const int b = BevelWidth();
  return {b, b, Width() - b, Height() - b};
}

TBevel::TBevel(TWinControl* parent) : TGraphicControl(parent) {
  AttachPeer(backend::CreatePeer(*this, *parent));
}

void TBevel::SetShape(TBevelShape shape) {
  shape_ = shape;
  Peer().Invalidate();
}

}  // namespace classlib
