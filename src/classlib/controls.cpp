// controls.cpp: components, controls and the alignment of child controls.
#include "classlib/controls.h"

#include <algorithm>

namespace classlib {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_ != nullptr) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_ != nullptr) std::erase(owner_->components_, this);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) delete components_.back();  // each takes itself off the list
}

TControl::TControl(TWinControl* parent, TComponent* owner)
    : TComponent(owner != nullptr ? owner : parent), parent_(parent) {
  if (parent_ != nullptr) parent_->controls_.push_back(this);
}

TControl::~TControl() {
  DetachPeer();
  if (parent_ != nullptr) std::erase(parent_->controls_, this);
}

void TControl::AttachPeer(std::unique_ptr<TControlPeer> peer) { peer_ = std::move(peer); }

void TControl::DetachPeer() { peer_.reset(); }

void TControl::SetBounds(int left, int top, int width, int height) {
  Peer().SetBounds({left, top, left + width, top + height});
}

void TControl::SetAlign(TAlign align) {
  align_ = align;
  const bool vertical = align == TAlign::alTop || align == TAlign::alBottom;
  alignExtent_ = vertical ? Height() : Width();
  if (parent_ != nullptr) parent_->Realign();
}

TWinControl::~TWinControl() {
  // The children's windows go before this one, which holds them.
  DestroyComponents();
}

TRect TWinControl::ClientRect() const { return {0, 0, Width(), Height()}; }

void TWinControl::Realign() { ArrangeAlignedChildren(*this, ClientRect()); }

void ArrangeAlignedChildren(TWinControl& parent, const TRect& area) {
  int left = area.Left;
  int top = area.Top;
  int right = area.Right;
  int bottom = area.Bottom;
  const auto place = [&](TAlign kind) {
    for (TControl* child : parent.Controls()) {
      if (child->align_ != kind || child->peer_ == nullptr) continue;
      const int width = std::max(0, right - left);
      const int height = std::max(0, bottom - top);
      switch (kind) {
        case TAlign::alTop: {
          const int h = std::min(child->alignExtent_, height);
          child->SetBounds(left, top, width, h);
          top += h;
          break;
        }
        case TAlign::alBottom: {
          const int h = std::min(child->alignExtent_, height);
          child->SetBounds(left, bottom - h, width, h);
          bottom -= h;
          break;
        }
        case TAlign::alLeft: {
          const int w = std::min(child->alignExtent_, width);
          child->SetBounds(left, top, w, height);
          left += w;
          break;
        }
        case TAlign::alRight: {
          const int w = std::min(child->alignExtent_, width);
          child->SetBounds(right - w, top, w, height);
          right -= w;
          break;
        }
        case TAlign::alClient:
          child->SetBounds(left, top, width, height);
          break;
        case TAlign::alNone:
          break;
      }
    }
  };
  for (TAlign kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                      TAlign::alClient}) {
    place(kind);
  }
}

}  // namespace classlib
