// menus.cpp: the main menu bar and its items.
#include "classlib/menus.h"

namespace classlib {

TMenuItem::TMenuItem(TString caption, TMenuPeer* parent) : caption_(std::move(caption)) {
  if (parent != nullptr) peer_ = parent->Add(*this);
}

void TMenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (peer_ != nullptr) peer_->SetEnabled(enabled);
}

TMenuItem* TMenuItem::Add(const TString& caption) {
  items_.push_back(std::unique_ptr<TMenuItem>(new TMenuItem(caption, peer_.get())));
  return items_.back().get();
}

void TMenuItem::Click() {
  if (enabled_ && !IsSeparator() && OnClick) OnClick(this);
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), peer_(backend::CreatePeer(*this)) {}

TMenuItem* TMainMenu::Add(const TString& caption) {
  items_.push_back(std::unique_ptr<TMenuItem>(new TMenuItem(caption, peer_.get())));
  return items_.back().get();
}

}  // namespace classlib
