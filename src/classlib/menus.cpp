// menus.cpp: the main menu bar and its items.
#include "classlib/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace classlib {

TMenuItem::TMenuItem(QObject* parent, QString caption, QAction* action, QMenu* menu)
    : QObject(parent), caption_(std::move(caption)), action_(action), menu_(menu) {
  if (IsSeparator()) {
    action_->setSeparator(true);
    return;
  }
  connect(action_, &QAction::triggered, this, [this] {
    if (OnClick) OnClick(this);
  });
}

bool TMenuItem::Enabled() const { return action_->isEnabled(); }
void TMenuItem::SetEnabled(bool enabled) { action_->setEnabled(enabled); }

TMenuItem* TMenuItem::Add(const QString& caption) {
  if (menu_ == nullptr) {
    // Items get their submenu on demand; the action then opens it.
    menu_ = new QMenu(caption_);
    action_->setMenu(menu_);
  }
  auto* action = caption == QStringLiteral("-") ? menu_->addSeparator() : menu_->addAction(caption);
  auto* item = new TMenuItem(this, caption, action, nullptr);
  return item;
}

TMainMenu::TMainMenu(QObject* owner) : QObject(owner), bar_(new QMenuBar) {}

TMainMenu::~TMainMenu() {
  // The bar belongs to the form once it has been put there.
  if (bar_->parent() == nullptr) delete bar_;
}

TMenuItem* TMainMenu::Add(const QString& caption) {
  auto* menu = new QMenu(caption, bar_);
  auto* item = new TMenuItem(this, caption, menu->menuAction(), menu);
  bar_->addMenu(menu);
  return item;
}

}  // namespace classlib
