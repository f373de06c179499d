// form.h: a top-level window with an optional menu bar above its client area,
// modal showing, and the creation and destruction events.
#pragma once

#include <QMargins>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "classlib/messages.h"
#include "classlib/font.h"
#include "classlib/tstring.h"

class QEventLoop;
class QMenuBar;

namespace classlib {

enum class TFormBorderStyle { bsSizeable, bsDialog };

class TForm : public QWidget, public TObject {
  Q_OBJECT

 public:
  // A form is a window of its own, placed relative to the screen; `owner` is
  // the window it belongs to (it stays above it), or nullptr.
  explicit TForm(TForm* owner);
  ~TForm() override;

  TForm* Owner() const { return owner_; }
  // The client area that the components are placed in, below the menu bar.
  QWidget* Client() const { return client_; }

  // Outer position and size, frame and title bar included. Before a form is
  // shown its frame is not known yet; these then count the frame that
  // FrameMargins expects, and the position is where the frame will stand.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  QRect OuterRect() const;
  // The window system's frame on each side. A shown form has its own. One
  // not shown yet is expected to get a frame like the shown main form's,
  // the same window manager drawing both; with no window manager, or no
  // main form on screen, there is none.
  QMargins FrameMargins() const;
  void SetLeft(int left);
  void SetTop(int top);
  // Sets the client area's size (the menu bar comes on top of it).
  void SetClientSize(int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;

  TString Caption() const;
  void SetCaption(const TString& caption);
  // The font the form's components take unless they have their own.
  void SetFont(const TFont& font);
  // bsDialog: a fixed frame with a close box only, its size kept at what
  // SetClientSize gives.
  void SetBorderStyle(TFormBorderStyle style);

  // Puts the menu bar above the client area; the form owns it.
  void SetMenuBar(QMenuBar* menuBar);

  // Shows the form and runs a nested loop until ModalResult becomes non-zero
  // or the form is closed (mrCancel). A queued test answer takes the loop's
  // place.
  int ShowModal();
  void SetModalResult(int result);
  // Destroys the form once the events already queued for it are handled.
  void Release();

  // Runs OnCreate; the constructors of derived forms call it last.
  void DoCreate();

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Turns the window system's minimising and restoring into system commands:
  // a minimise is sent to the form itself (Dispatch), a restore goes to the
  // application's message hook, as a request from outside the window.
  void changeEvent(QEvent* event) override;
  // Dispatches a message sent to the form; forms override it to take
  // messages of their own and call it for the rest. The default handling of
  // a minimise command hands it to the application's message hook, so that
  // minimising any window minimises the whole program where the program
  // asks for that; otherwise the window stays minimised on its own.
  virtual void Dispatch(TMessage& message);
  // Runs OnDestroy once; the destructors of derived forms call it first, while
  // their components still exist.
  void DoDestroy();

 private:
  void LayOutClient();

  QPointer<TForm> owner_;
  QWidget* client_;
  QMenuBar* menuBar_ = nullptr;
  QEventLoop* modalLoop_ = nullptr;
  int modalResult_ = 0;
  bool destroyed_ = false;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
};

}  // namespace classlib
