// menus_qt.cpp: the menu bar as Qt's, each item an action in its menu.
#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "classlib/menus.h"
#include "classlib/qt/peers.h"

namespace classlib {
namespace {

// With a screen reader, Qt's accessibility bridge holds every key event while
// it asks the reader whether to consume it, then posts a copy. The F of
// Alt+F never waits: the menu bar's shortcut takes it at once and opens the
// menu. The Alt does wait, and its copy then reaches the open menu, which
// closes on a pressed Alt, so the item key that follows is lost. A menu
// opened by a chord with Alt therefore drops one posted Alt press, if it is
// the first key the menu receives: copies come in the order the keys were
// pressed, so any other key first means the chord's Alt was already
// delivered, and a later Alt (the player closing the menu) acts as always.
class ChordAltFilter : public QObject {
 public:
  explicit ChordAltFilter(QMenu* menu) : QObject(menu) {
    menu->installEventFilter(this);
    connect(menu, &QMenu::aboutToShow, this,
            [this] { armed_ = QGuiApplication::keyboardModifiers().testFlag(Qt::AltModifier); });
  }

  bool eventFilter(QObject* /*menu*/, QEvent* event) override {
    if (!armed_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) {
      return false;
    }
    armed_ = false;
    return event->type() == QEvent::KeyPress && !event->spontaneous() &&
           static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt;
  }

 private:
  bool armed_ = false;
};

QMenu* NewMenu(const TString& caption, QWidget* parent) {
  auto* menu = new QMenu(ToQString(caption), parent);
  new ChordAltFilter(menu);
  return menu;
}

class MenuItemPeer : public TMenuPeer {
 public:
  // `menu`: the item's submenu, where it has one from the start.
  MenuItemPeer(TMenuItem& item, QAction* action, QMenu* menu = nullptr)
      : item_(item), action_(action), menu_(menu) {
    if (!item.IsSeparator()) {
      clicked_ = QObject::connect(action, &QAction::triggered, [this] { item_.Click(); });
    }
  }
  ~MenuItemPeer() override { QObject::disconnect(clicked_); }

  void SetEnabled(bool enabled) override {
    if (action_ != nullptr) action_->setEnabled(enabled);
  }

  std::unique_ptr<TMenuPeer> Add(TMenuItem& item) override {
    if (menu_ == nullptr) {
      // Items get their submenu on demand; the action then opens it.
      menu_ = NewMenu(item_.Caption(), nullptr);
      action_->setMenu(menu_);
    }
    QAction* action = item.IsSeparator() ? menu_->addSeparator() : menu_->addAction(ToQString(item.Caption()));
    return std::make_unique<MenuItemPeer>(item, action);
  }

  QAction* Action() const { return action_; }

 private:
  TMenuItem& item_;
  QPointer<QAction> action_;
  QPointer<QMenu> menu_;
  QMetaObject::Connection clicked_;
};

class MenuBarPeer : public TMenuPeer {
 public:
  MenuBarPeer() : bar_(new QMenuBar) {}
  // The bar belongs to the form once it has been put there, but it goes
  // with the menu all the same.
  ~MenuBarPeer() override { delete bar_; }

  void SetEnabled(bool) override {}
  std::unique_ptr<TMenuPeer> Add(TMenuItem& item) override {
    QMenu* menu = NewMenu(item.Caption(), bar_);
    bar_->addMenu(menu);
    return std::make_unique<MenuItemPeer>(item, menu->menuAction(), menu);
  }

  QMenuBar* Bar() const { return bar_; }

 private:
  QPointer<QMenuBar> bar_;
};

}  // namespace

QMenuBar* MenuBarOf(TMenuPeer& bar) { return dynamic_cast<MenuBarPeer&>(bar).Bar(); }
QAction* ActionOf(const TMenuItem& item) { return dynamic_cast<MenuItemPeer*>(item.Peer())->Action(); }

namespace backend {

std::unique_ptr<TMenuPeer> CreatePeer(TMainMenu&) { return std::make_unique<MenuBarPeer>(); }

}  // namespace backend
}  // namespace classlib
