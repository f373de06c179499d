// CL0010GF_boxes.cpp: the utility object's message boxes, title and centring.
#include "classlib/application.h"
#include "classlib/screen.h"
#include "util/CL0010GF.h"

using namespace classlib;

namespace {

// Puts `form` centred over `over`, frame included: half the difference,
// truncated toward zero, not kept on the screen.
// A form not shown yet counts the frame it is expected to get, so that it
// stands where it should from the moment it appears.
void CentreOver(TForm* form, const TRect& over) {
  const TRect outer = form->OuterRect();
  form->SetLeft(over.Left + (over.Width() - outer.Width()) / 2);
  form->SetTop(over.Top + (over.Height() - outer.Height()) / 2);
}

}  // namespace

void TClsCL0010GF::ShowInfo(const TString& text) { ShowBox(text, TMsgDlgType::mtInformation); }

void TClsCL0010GF::ShowError(const TString& text) { ShowBox(text, TMsgDlgType::mtWarning); }

void TClsCL0010GF::ShowBox(const TString& text, TMsgDlgType type) {
  // The default arrow, also when a wait cursor was showing; it stays so.
  Screen->SetCursor(TCursor::crDefault);
  try {
    const std::unique_ptr<TMessageForm> box = CreateMessageDialog(text, type);
    if (const TForm* main = Application->MainForm()) {
      CentreOver(box.get(), main->OuterRect());
      box->SetCaption(main->Caption());
    } else {
      // Before the main window has finished its creation (a failure while it
      // is being built) there is nothing to sit over: the box is centred on
      // the screen and carries the application's title.
      if (const TRect screen = Screen->Bounds(); !screen.IsEmpty()) CentreOver(box.get(), screen);
      box->SetCaption(Application->Title());
    }
    box->ShowModal();
  } catch (...) {
    // A box that cannot be shown is dropped; the caller goes on.
  }
}

TString TClsCL0010GF::GetAppTitle() const { return Application->Title(); }

void TClsCL0010GF::CenterOnOwner(TForm* form) {
  const auto* owner = dynamic_cast<const TForm*>(form->Owner());
  if (owner == nullptr) return;
  CentreOver(form, owner->OuterRect());
}
