// menus.h: the main menu bar and its items.
#pragma once

#include <QObject>

#include "classlib/messages.h"
#include "classlib/tstring.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace classlib {

// A menu item: a command, a separator ("-") or a submenu. "&" in a caption
// marks the access key. Items have no keyboard shortcuts of their own.
class TMenuItem : public QObject, public TObject {
  Q_OBJECT

 public:
  TString Caption() const { return caption_; }
  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool IsSeparator() const { return caption_ == "-"; }

  // Adds an item to this item's submenu.
  TMenuItem* Add(const TString& caption);

  QAction* Action() const { return action_; }
  QMenu* Menu() const { return menu_; }

  TNotifyEvent OnClick;

 private:
  friend class TMainMenu;
  TMenuItem(QObject* parent, TString caption, QAction* action, QMenu* menu);

  TString caption_;
  QAction* action_;
  QMenu* menu_;  // the submenu, created when the first item is added
};

class TMainMenu : public QObject {
  Q_OBJECT

 public:
  explicit TMainMenu(QObject* owner);
  ~TMainMenu() override;

  // Adds a menu to the bar.
  TMenuItem* Add(const TString& caption);
  // The bar, to be put into a form (the form then owns it).
  QMenuBar* Bar() const { return bar_; }

 private:
  QMenuBar* bar_;
};

}  // namespace classlib
