// form_qt.cpp: a form as a Qt top-level widget: its client area below the
// menu bar, its frame, modal loop, closing, and the window states it reports.
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/modal.h"
#include "classlib/qt/peers.h"
#include "classlib/qt/qfont.h"

namespace classlib {
namespace {

QMargins ShownFrameMargins(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect client = window->geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

bool IsFixedSize(const QWidget* window) { return window->minimumSize() == window->maximumSize(); }

// The form's client area: places its aligned children whenever it is resized.
class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* parent, TForm& form) : QWidget(parent), form_(form) {}

 protected:
  void resizeEvent(QResizeEvent*) override { form_.Resized(); }

 private:
  TForm& form_;
};

// Runs its task when deleted by the event loop, unless cancelled first.
class DeferredTask : public QObject {
 public:
  DeferredTask(QObject* parent, std::function<void()> task) : QObject(parent), task_(std::move(task)) {}
  ~DeferredTask() override {
    const std::function<void()> task = std::exchange(task_, nullptr);
    setParent(nullptr);  // the task may delete the parent
    if (task) task();
  }
  void Cancel() { task_ = nullptr; }

 private:
  std::function<void()> task_;
};

class FormWidget : public QtPeer<QWidget, TFormPeer> {
 public:
  FormWidget(TForm& form, QWidget* owner)
      : QtPeer(owner, Qt::Window), form_(form), client_(new ClientArea(this, form)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
  }
  ~FormWidget() override {
    if (pending_) pending_->Cancel();
  }

  TRect Bounds() const override { return {0, 0, client_->width(), client_->height()}; }
  QWidget* Container() override { return client_; }

  TRect OuterRect() const override {
    // Moving a window that was never shown places its frame (the window
    // manager is asked to keep the frame's corner where it was put).
    const QRect outer = isVisible() ? geometry().marginsAdded(FrameMargins())
                                    : QRect(pos(), size().grownBy(FrameMargins()));
    return {outer.x(), outer.y(), outer.x() + outer.width(), outer.y() + outer.height()};
  }
  void MoveTo(int left, int top) override { move(left, top); }
  void SetClientSize(int width, int height, bool fixed) override {
    resize(width, height + MenuHeight());
    LayOutClient();
    if (fixed) setFixedSize(size());
  }
  TString Caption() const override { return FromQString(windowTitle()); }
  void SetCaption(const TString& caption) override { setWindowTitle(ToQString(caption)); }
  void SetFont(const TFont& font) override { setFont(ToQFont(font)); }
  void SetDialogFrame() override {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
  }
  void SetMenu(TMenuPeer& bar) override;
  void Show() override { show(); }
  void RunModal() override {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    loop_ = &loop;
    if (form_.ModalResult() == mrNone) loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
    hide();
    setWindowModality(Qt::NonModal);
  }
  void EndModal() override {
    if (loop_ != nullptr) loop_->quit();
  }
  void Close() override { close(); }
  void DeleteLater(std::function<void()> destroy) override {
    pending_ = new DeferredTask(this, std::move(destroy));
    pending_->deleteLater();
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    LayOutClient();
  }
  void closeEvent(QCloseEvent* event) override {
    if (!form_.CloseQuery()) {
      event->ignore();
      return;
    }
    QWidget::closeEvent(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    // Enter anywhere in the form presses its default button. Esc does
    // nothing: a form without a cancel button is not closed by it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isEnabled() && button->isVisible()) {
          button->click();
          return;
        }
      }
    }
    QWidget::keyPressEvent(event);
  }
  void changeEvent(QEvent* event) override {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const bool was = (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) != 0;
    const bool is = (windowState() & Qt::WindowMinimized) != 0;
    if (was != is) form_.WindowStateChanged(is);
  }

 private:
  int MenuHeight() const { return menuBar_ != nullptr ? menuBar_->sizeHint().height() : 0; }
  void LayOutClient() {
    const int top = MenuHeight();
    if (menuBar_ != nullptr) menuBar_->setGeometry(0, 0, width(), top);
    client_->setGeometry(0, top, width(), std::max(0, height() - top));
  }

  // The window system's frame on each side. A shown form has its own. One
  // not shown yet is expected to get a frame like the shown main form's,
  // the same window manager drawing both; with no window manager, or no
  // main form on screen, there is none.
  QMargins FrameMargins() const {
    if (isVisible()) return ShownFrameMargins(this);
    const TForm* main = Application->MainForm();
    if (main == nullptr || main == &form_ || !main->Visible()) return {};
    const QWidget* mainWidget = WidgetOf(*main);
    QMargins margins = ShownFrameMargins(mainWidget);
    // Some window managers put a resize grip along a resizable window's
    // bottom edge; a fixed-size box gets none, and its bottom edge is as
    // wide as its sides.
    if (IsFixedSize(this) && !IsFixedSize(mainWidget)) {
      margins.setBottom(std::min(margins.bottom(), margins.left()));
    }
    return margins;
  }

  TForm& form_;
  QWidget* client_;
  QPointer<QMenuBar> menuBar_;
  QEventLoop* loop_ = nullptr;
  QPointer<DeferredTask> pending_;
};

void FormWidget::SetMenu(TMenuPeer& bar) {
  menuBar_ = MenuBarOf(bar);
  menuBar_->setParent(this);
  menuBar_->show();
  LayOutClient();
}

}  // namespace

namespace backend {

std::unique_ptr<TFormPeer> CreatePeer(TForm& form, TForm* owner) {
  return std::make_unique<FormWidget>(form, owner != nullptr ? WidgetOf(*owner) : nullptr);
}

}  // namespace backend
}  // namespace classlib
