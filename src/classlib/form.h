// form.h: a top-level window with an optional menu bar above its client area,
// modal showing, and the creation and destruction events.
#pragma once

#include "classlib/controls.h"
#include "classlib/font.h"
#include "classlib/messages.h"
#include "classlib/tstring.h"

namespace classlib {

class TMainMenu;

enum class TFormBorderStyle { bsSizeable, bsDialog };

class TForm : public TWinControl {
 public:
  // A form is a window of its own, placed relative to the screen; `owner` is
  // the window it belongs to (it stays above it, and destroys it), or nullptr.
  explicit TForm(TForm* owner);
  ~TForm() override;

  // Outer position and size, frame and title bar included. Before a form is
  // shown its frame is not known yet; these then count the frame it is
  // expected to get, and the position is where the frame will stand.
  TRect OuterRect() const { return FormPeer().OuterRect(); }
  int Left() const { return FormPeer().OuterRect().Left; }
  int Top() const { return FormPeer().OuterRect().Top; }
  int Width() const { return FormPeer().OuterRect().Width(); }
  int Height() const { return FormPeer().OuterRect().Height(); }
  void SetLeft(int left) { FormPeer().MoveTo(left, Top()); }
  void SetTop(int top) { FormPeer().MoveTo(Left(), top); }
  // Sets the client area's size (the menu bar comes on top of it).
  void SetClientSize(int width, int height);
  int ClientWidth() const { return TControl::Width(); }
  int ClientHeight() const { return TControl::Height(); }

  TString Caption() const { return FormPeer().Caption(); }
  void SetCaption(const TString& caption) { FormPeer().SetCaption(caption); }
  // The font the form's components take unless they have their own.
  void SetFont(const TFont& font) { FormPeer().SetFont(font); }
  // bsDialog: a fixed frame with a close box only, its size kept at what
  // SetClientSize gives.
  void SetBorderStyle(TFormBorderStyle style);

  // Puts the menu bar above the client area.
  void SetMenu(TMainMenu* menu);

  void Show() { FormPeer().Show(); }
  // As if the player closed the window: a modal form ends its loop with
  // mrCancel; closing the main form ends the program.
  void Close() { FormPeer().Close(); }
  // Shows the form and runs a nested loop until ModalResult becomes non-zero
  // or the form is closed (mrCancel). A queued test answer takes the loop's
  // place.
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result);
  // Destroys the form once the events already queued for it are handled.
  void Release();

  // Runs OnCreate; the constructors of derived forms call it last.
  void DoCreate();

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

  // From the peer. The player asks to close the window; returns whether it
  // may close.
  bool CloseQuery();
  // The window system minimised or restored the window.
  void WindowStateChanged(bool minimized);

  TFormPeer& FormPeer() const { return static_cast<TFormPeer&>(Peer()); }

  // Dispatches a message sent to the form; forms override it to take
  // messages of their own and call it for the rest. The default handling of
  // a minimise command hands it to the application's message hook, so that
  // minimising any window minimises the whole program where the program
  // asks for that; otherwise the window stays minimised on its own. A
  // result left at 0 lets the window system's own handling go on.
  virtual void Dispatch(TMessage& message);

 protected:
  // Runs OnDestroy once; the destructors of derived forms call it first, while
  // their components still exist.
  void DoDestroy();

 private:
  int modalResult_ = 0;
  bool inModalLoop_ = false;
  bool destroyed_ = false;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
};

}  // namespace classlib
