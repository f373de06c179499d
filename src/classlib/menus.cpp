// menus.cpp: the main menu bar and its items.
#include "classlib/menus.h"
#include "classlib/qt/qstring.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

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

}  // namespace

TMenuItem::TMenuItem(QObject* parent, TString caption, QAction* action, QMenu* menu)
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

TMenuItem* TMenuItem::Add(const TString& caption) {
  if (menu_ == nullptr) {
    // Items get their submenu on demand; the action then opens it.
    menu_ = new QMenu(ToQString(caption_));
    new ChordAltFilter(menu_);
    action_->setMenu(menu_);
  }
  auto* action = caption == "-" ? menu_->addSeparator() : menu_->addAction(ToQString(caption));
  auto* item = new TMenuItem(this, caption, action, nullptr);
  return item;
}

TMainMenu::TMainMenu(QObject* owner) : QObject(owner), bar_(new QMenuBar) {}

TMainMenu::~TMainMenu() {
  // The bar belongs to the form once it has been put there.
  if (bar_->parent() == nullptr) delete bar_;
}

TMenuItem* TMainMenu::Add(const TString& caption) {
  auto* menu = new QMenu(ToQString(caption), bar_);
  new ChordAltFilter(menu);
  auto* item = new TMenuItem(this, caption, menu->menuAction(), menu);
  bar_->addMenu(menu);
  return item;
}

}  // namespace classlib
