// CL0010GF_boxes.cpp: the utility object's message boxes, title and centring.
#include "classlib/application.h"
#include "classlib/screen.h"
#include "util/CL0010GF.h"

using namespace classlib;

namespace {

// Where a window of `size` stands centred over a window at `over`: half the
// difference, truncated toward zero, not kept on the screen.
QPoint CentredOver(const QRect& over, const QSize& size) {
  return {over.x() + (over.width() - size.width()) / 2,
          over.y() + (over.height() - size.height()) / 2};
}

// Frame included; for a form not shown yet, the frame it is expected to get,
// so that it stands where it should from the moment it appears.
QRect OuterRect(const QWidget* window) {
  if (const auto* form = qobject_cast<const TForm*>(window)) return form->OuterRect();
  return window->frameGeometry();
}

}  // namespace

void TClsCL0010GF::ShowInfo(const TString& text) { ShowBox(text, TMsgDlgType::mtInformation); }

void TClsCL0010GF::ShowError(const TString& text) { ShowBox(text, TMsgDlgType::mtWarning); }

void TClsCL0010GF::ShowBox(const TString& text, TMsgDlgType type) {
  // The default arrow, also when a wait cursor was showing; it stays so.
  Screen->SetCursor(TCursor::crDefault);
  try {
    const std::unique_ptr<TMessageForm> box = CreateMessageDialog(text, type);
    const QSize size = OuterRect(box.get()).size();
    if (const TForm* main = Application->MainForm()) {
      box->move(CentredOver(OuterRect(main), size));
      box->SetCaption(main->Caption());
    } else {
      // Before the main window has finished its creation (a failure while it
      // is being built) there is nothing to sit over: the box is centred on
      // the screen and carries the application's title.
      if (const TRect screen = Screen->Bounds(); !screen.IsEmpty()) {
        box->move(CentredOver(QRect(screen.Left, screen.Top, screen.Width(), screen.Height()), size));
      }
      box->SetCaption(Application->Title());
    }
    box->ShowModal();
  } catch (...) {
    // A box that cannot be shown is dropped; the caller goes on.
  }
}

TString TClsCL0010GF::GetAppTitle() const { return Application->Title(); }

void TClsCL0010GF::CenterOnOwner(TForm* form) {
  const QWidget* owner = form->Owner();
  if (owner == nullptr) return;
  form->move(CentredOver(OuterRect(owner), OuterRect(form).size()));
}
