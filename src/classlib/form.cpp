// form.cpp: top-level windows: size, menu bar, modal loop, closing, and the
// system commands the window system's minimising and restoring become.
#include "classlib/form.h"

#include "classlib/application.h"
#include "classlib/menus.h"
#include "classlib/modal.h"

namespace classlib {

TForm::TForm(TForm* owner) : TWinControl(nullptr, owner) {
  AttachPeer(backend::CreatePeer(*this, owner));
}

TForm::~TForm() {
  DoDestroy();
  DestroyComponents();
  DetachPeer();
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::DoDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (OnDestroy) OnDestroy(this);
}

void TForm::SetClientSize(int width, int height) {
  FormPeer().SetClientSize(width, height, borderStyle_ == TFormBorderStyle::bsDialog);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  borderStyle_ = style;
  if (style == TFormBorderStyle::bsDialog) FormPeer().SetDialogFrame();
}

void TForm::SetMenu(TMainMenu* menu) { FormPeer().SetMenu(menu->Peer()); }

int TForm::ShowModal() {
  modalResult_ = mrNone;
  if (TModalAnswer answer = TakeModalAnswer()) {
    modalResult_ = answer(this);
    return modalResult_;
  }
  inModalLoop_ = true;
  FormPeer().RunModal();
  inModalLoop_ = false;
  return modalResult_;
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  if (result != mrNone && inModalLoop_) FormPeer().EndModal();
}

void TForm::Release() {
  FormPeer().DeleteLater([this] { delete this; });
}

bool TForm::CloseQuery() {
  if (inModalLoop_) {
    // Closing a modal form ends its loop with the cancel result; the form
    // itself lives on until its caller releases it.
    SetModalResult(mrCancel);
    return false;
  }
  // Closing the main form ends the program.
  if (Application->MainForm() == this) Application->Terminate();
  return true;
}

void TForm::WindowStateChanged(bool minimized) {
  if (Application->ArrangingWindows) return;
  TMessage message{WM_SYSCOMMAND, minimized ? SC_MINIMIZE : SC_RESTORE, 0, 0};
  // A restore comes from outside the window: the application's hook sees it first.
  if (!minimized && Application->HookMessage(message)) return;
  Dispatch(message);
}

void TForm::Dispatch(TMessage& message) {
  if (message.Msg == WM_SYSCOMMAND && message.WParam == SC_MINIMIZE) {
    Application->HookMessage(message);
  }
}

}  // namespace classlib
