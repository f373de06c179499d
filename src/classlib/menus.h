// menus.h: the main menu bar and its items.
#pragma once

#include <memory>
#include <vector>

#include "classlib/controls.h"
#include "classlib/tstring.h"

namespace classlib {

// A menu item: a command, a separator ("-") or a submenu. "&" in a caption
// marks the access key. Items have no keyboard shortcuts of their own.
class TMenuItem : public TObject {
 public:
  TMenuItem(const TMenuItem&) = delete;
  TMenuItem& operator=(const TMenuItem&) = delete;

  TString Caption() const { return caption_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool IsSeparator() const { return caption_ == "-"; }

  // Adds an item to this item's submenu.
  TMenuItem* Add(const TString& caption);
  // What choosing the item does: OnClick, for a command that is enabled.
  void Click();
  TMenuPeer* Peer() const { return peer_.get(); }

  TNotifyEvent OnClick;

 private:
  friend class TMainMenu;
  TMenuItem(TString caption, TMenuPeer* parent);

  TString caption_;
  bool enabled_ = true;
  std::unique_ptr<TMenuPeer> peer_;
  std::vector<std::unique_ptr<TMenuItem>> items_;
};

class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* owner);

  // Adds a menu to the bar.
  TMenuItem* Add(const TString& caption);
  TMenuPeer& Peer() const { return *peer_; }

 private:
  // The bar's peer holds the items' peers, so the items go first.
  std::unique_ptr<TMenuPeer> peer_;
  std::vector<std::unique_ptr<TMenuItem>> items_;
};

}  // namespace classlib
