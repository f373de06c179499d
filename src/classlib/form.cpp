// form.cpp: top-level windows with a client area, menu bar and modal loop.
#include "classlib/form.h"
#include "classlib/qt/qfont.h"
#include "classlib/qt/qstring.h"

#include <QCloseEvent>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "classlib/application.h"
#include "classlib/controls.h"
#include "classlib/modal.h"

namespace classlib {
namespace {

QMargins ShownFrameMargins(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect client = window->geometry();
  return {client.left() - frame.left(), client.top() - frame.top(),
          frame.right() - client.right(), frame.bottom() - client.bottom()};
}

bool IsFixedSize(const QWidget* window) { return window->minimumSize() == window->maximumSize(); }

// The form's client area: places its aligned children whenever it is resized.
class ClientArea : public QWidget {
 public:
  explicit ClientArea(QWidget* parent) : QWidget(parent) {}

 protected:
  void resizeEvent(QResizeEvent*) override { ArrangeAlignedChildren(this, rect()); }
};

}  // namespace

TForm::TForm(TForm* owner)
    : QWidget(owner, Qt::Window), owner_(owner), client_(new ClientArea(this)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
}

TForm::~TForm() { DoDestroy(); }

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::DoDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (OnDestroy) OnDestroy(this);
}

int TForm::Left() const { return OuterRect().x(); }
int TForm::Top() const { return OuterRect().y(); }
int TForm::Width() const { return OuterRect().width(); }
int TForm::Height() const { return OuterRect().height(); }

QRect TForm::OuterRect() const {
  if (isVisible()) return geometry().marginsAdded(FrameMargins());
  // Moving a window that was never shown places its frame (the window
  // manager is asked to keep the frame's corner where it was put).
  return {pos(), size().grownBy(FrameMargins())};
}

QMargins TForm::FrameMargins() const {
  if (isVisible()) return ShownFrameMargins(this);
  const TForm* main = Application->MainForm();
  if (main == nullptr || main == this || !main->isVisible()) return {};
  QMargins margins = ShownFrameMargins(main);
  // Some window managers put a resize grip along a resizable window's bottom
  // edge; a fixed-size box gets none, and its bottom edge is as wide as its
  // sides.
  if (IsFixedSize(this) && !IsFixedSize(main)) {
    margins.setBottom(std::min(margins.bottom(), margins.left()));
  }
  return margins;
}

void TForm::SetLeft(int left) { move(left, Top()); }
void TForm::SetTop(int top) { move(Left(), top); }

void TForm::SetClientSize(int width, int height) {
  const int menuHeight = menuBar_ != nullptr ? menuBar_->sizeHint().height() : 0;
  resize(width, height + menuHeight);
  LayOutClient();
  if (borderStyle_ == TFormBorderStyle::bsDialog) setFixedSize(size());
}

int TForm::ClientWidth() const { return client_->width(); }
int TForm::ClientHeight() const { return client_->height(); }

void TForm::SetMenuBar(QMenuBar* menuBar) {
  menuBar_ = menuBar;
  menuBar_->setParent(this);
  menuBar_->show();
  LayOutClient();
}

void TForm::LayOutClient() {
  int top = 0;
  if (menuBar_ != nullptr) {
    top = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), top);
  }
  client_->setGeometry(0, top, width(), std::max(0, height() - top));
}

void TForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutClient();
}

void TForm::SetFont(const TFont& font) { setFont(ToQFont(font)); }

void TForm::SetBorderStyle(TFormBorderStyle style) {
  borderStyle_ = style;
  if (style == TFormBorderStyle::bsDialog) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  }
}

TString TForm::Caption() const { return FromQString(windowTitle()); }

void TForm::SetCaption(const TString& caption) { setWindowTitle(ToQString(caption)); }

int TForm::ShowModal() {
  modalResult_ = mrNone;
  if (TModalAnswer answer = TakeModalAnswer()) {
    modalResult_ = answer(this);
    return modalResult_;
  }
  setWindowModality(Qt::ApplicationModal);
  show();
  raise();
  activateWindow();
  QEventLoop loop;
  modalLoop_ = &loop;
  if (modalResult_ == mrNone) loop.exec(QEventLoop::DialogExec);
  modalLoop_ = nullptr;
  hide();
  setWindowModality(Qt::NonModal);
  return modalResult_;
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  if (result != mrNone && modalLoop_ != nullptr) modalLoop_->quit();
}

void TForm::Release() { deleteLater(); }

void TForm::closeEvent(QCloseEvent* event) {
  if (modalLoop_ != nullptr) {
    // Closing a modal form ends its loop with the cancel result; the form
    // itself lives on until its caller releases it.
    event->ignore();
    SetModalResult(mrCancel);
    return;
  }
  QWidget::closeEvent(event);
  // Closing the main form ends the program.
  if (Application->MainForm() == this) Application->Terminate();
}

void TForm::keyPressEvent(QKeyEvent* event) {
  // Enter anywhere in the form presses its default button. Esc does nothing:
  // a form without a cancel button is not closed by it.
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

void TForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || Application->ArrangingWindows) return;
  const bool wasMinimized =
      (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) != 0;
  const bool isMinimized = (windowState() & Qt::WindowMinimized) != 0;
  if (isMinimized && !wasMinimized) {
    TMessage message{WM_SYSCOMMAND, SC_MINIMIZE, 0, 0};
    Dispatch(message);
  } else if (wasMinimized && !isMinimized) {
    TMessage message{WM_SYSCOMMAND, SC_RESTORE, 0, 0};
    if (!Application->HookMessage(message)) Dispatch(message);
  }
}

void TForm::Dispatch(TMessage& message) {
  if (message.Msg == WM_SYSCOMMAND && message.WParam == SC_MINIMIZE) {
    Application->HookMessage(message);
  }
}

}  // namespace classlib
