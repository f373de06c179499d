// peers.h: what every Qt peer shares: the control's widget, its place and
// state as Qt keeps them, and the way from a control to its widget.
#pragma once

#include <QRect>
#include <QWidget>
#include <utility>

#include "classlib/controls.h"
#include "classlib/qt/qstring.h"

class QAction;
class QMenuBar;

namespace classlib {

class TMainMenu;
class TMenuItem;

class QtWidgetPeer {
 public:
  virtual ~QtWidgetPeer() = default;
  virtual QWidget* Widget() = 0;
  // Where child controls' widgets go.
  virtual QWidget* Container() { return Widget(); }
};

// A peer that is the control's widget itself.
template <typename Base, typename PeerBase = TControlPeer>
class QtPeer : public Base, public PeerBase, public QtWidgetPeer {
 public:
  template <typename... Args>
  explicit QtPeer(Args&&... args) : Base(std::forward<Args>(args)...) {}

  TRect Bounds() const override {
    const QRect g = this->geometry();
    return {g.x(), g.y(), g.x() + g.width(), g.y() + g.height()};
  }
  void SetBounds(const TRect& b) override { this->setGeometry(b.Left, b.Top, b.Width(), b.Height()); }
  bool Visible() const override { return this->isVisible(); }
  bool Enabled() const override { return this->isEnabled(); }
  void SetEnabled(bool enabled) override { this->setEnabled(enabled); }
  bool Focused() const override { return this->hasFocus(); }
  void SetFocus() override { this->setFocus(); }
  void Invalidate() override { this->update(); }
  void SetAccessibleName(const TString& name) override { this->setAccessibleName(ToQString(name)); }
  QWidget* Widget() override { return this; }
};

// The widget that shows the control, and the one its children go in.
QWidget* WidgetOf(const TControl& control);
QWidget* ContainerOf(const TWinControl& control);
// The menu bar, and the action that stands for an item in its menu.
QMenuBar* MenuBarOf(TMenuPeer& bar);
QAction* ActionOf(const TMenuItem& item);

}  // namespace classlib
