// msgdialog.h: the standard message box: an icon for its kind, the text and
// an OK button, sized to the text. The caller places and captions it.
#pragma once

#include <memory>

#include "classlib/form.h"
#include "classlib/image.h"
#include "classlib/stdctrls.h"

namespace classlib {

class TMessageForm : public TForm {
 public:
  TMessageForm(const TString& text, TMsgDlgType type);

  // What the box shows.
  TString Text() const { return message_->Caption(); }
  TMsgDlgType Type() const { return *icon_->Icon(); }

 private:
  TImage* icon_;
  TLabel* message_;
};

// Creates the box with an OK button; it is not shown yet.
std::unique_ptr<TMessageForm> CreateMessageDialog(const TString& text, TMsgDlgType type);

}  // namespace classlib
