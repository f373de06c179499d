// menus_win32.cpp: the menu bar as a Win32 menu; each command an item with
// an id of its own, chosen through the form's WM_COMMAND.
#include <windows.h>

#include <map>

#include "classlib/menus.h"
#include "classlib/win32/menus_win32.h"
#include "classlib/win32/window_win32.h"

namespace classlib::win32 {
namespace {

std::map<UINT, TMenuItem*>& Commands() {
  static std::map<UINT, TMenuItem*> commands;
  return commands;
}

UINT NextId() {
  static UINT next = 100;
  return next++;
}

class MenuItemPeer : public TMenuPeer {
 public:
  // A command (or separator) in `menu`, or a submenu item when `submenu` is given.
  MenuItemPeer(TMenuItem& item, HMENU menu, UINT id, HMENU submenu)
      : item_(item), menu_(menu), id_(id), submenu_(submenu) {
    if (submenu_ == nullptr && !item.IsSeparator()) Commands()[id_] = &item;
  }
  ~MenuItemPeer() override { Commands().erase(id_); }

  void SetEnabled(bool enabled) override {
    if (submenu_ != nullptr) {
      // A menu on the bar is found by its place.
      const int count = GetMenuItemCount(menu_);
      for (int i = 0; i < count; ++i) {
        if (GetSubMenu(menu_, i) == submenu_) EnableMenuItem(menu_, static_cast<UINT>(i), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
      }
      return;
    }
    EnableMenuItem(menu_, id_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }

  std::unique_ptr<TMenuPeer> Add(TMenuItem& item) override;

  UINT Id() const { return id_; }

 private:
  TMenuItem& item_;
  HMENU menu_;
  UINT id_;
  HMENU submenu_;
};

std::unique_ptr<TMenuPeer> MenuItemPeer::Add(TMenuItem& item) {
  if (submenu_ == nullptr) {
    // The item gets a submenu: it becomes a popup in its menu.
    submenu_ = CreatePopupMenu();
    Commands().erase(id_);
    ModifyMenuW(menu_, id_, MF_BYCOMMAND | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu_),
                Wide(item_.Caption()).c_str());
  }
  if (item.IsSeparator()) {
    AppendMenuW(submenu_, MF_SEPARATOR, 0, nullptr);
    return std::make_unique<MenuItemPeer>(item, submenu_, 0, nullptr);
  }
  const UINT id = NextId();
  AppendMenuW(submenu_, MF_STRING, id, Wide(item.Caption()).c_str());
  return std::make_unique<MenuItemPeer>(item, submenu_, id, nullptr);
}

class MenuBarPeer : public TMenuPeer {
 public:
  MenuBarPeer() : bar_(CreateMenu()) {}
  ~MenuBarPeer() override {
    // A window destroys the menu it shows: it is taken off first.
    if (window_ != nullptr && IsWindow(window_) && GetMenu(window_) == bar_) ::SetMenu(window_, nullptr);
    DestroyMenu(bar_);
  }

  void SetEnabled(bool) override {}
  std::unique_ptr<TMenuPeer> Add(TMenuItem& item) override {
    HMENU popup = CreatePopupMenu();
    AppendMenuW(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), Wide(item.Caption()).c_str());
    if (window_ != nullptr) DrawMenuBar(window_);
    return std::make_unique<MenuItemPeer>(item, bar_, 0, popup);
  }

  HMENU Bar() const { return bar_; }
  void ShowIn(HWND window) { window_ = window; }

 private:
  HMENU bar_;
  HWND window_ = nullptr;
};

}  // namespace

HMENU ShowMenuIn(TMenuPeer& bar, HWND window) {
  auto& peer = dynamic_cast<MenuBarPeer&>(bar);
  peer.ShowIn(window);
  return peer.Bar();
}

bool ChooseCommand(UINT id) {
  const auto it = Commands().find(id);
  if (it == Commands().end()) return false;
  it->second->Click();
  return true;
}

UINT CommandOf(const TMenuItem& item) {
  const auto* peer = dynamic_cast<const MenuItemPeer*>(item.Peer());
  return peer != nullptr ? peer->Id() : 0;
}

}  // namespace classlib::win32

namespace classlib::backend {

using namespace classlib::win32;


std::unique_ptr<TMenuPeer> CreatePeer(TMainMenu&) { return std::make_unique<MenuBarPeer>(); }

}  // namespace classlib::backend
