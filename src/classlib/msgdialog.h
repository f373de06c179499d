// msgdialog.h: the standard message box: an icon for its kind, the text and
// an OK button, sized to the text. The caller places and captions it.
#pragma once

#include <memory>

#include "classlib/form.h"

namespace classlib {

enum class TMsgDlgType { mtInformation, mtWarning, mtError };

class TMessageForm : public TForm {
  Q_OBJECT

 public:
  TMessageForm(const TString& text, TMsgDlgType type);
};

// Creates the box with an OK button; it is not shown yet.
std::unique_ptr<TMessageForm> CreateMessageDialog(const TString& text, TMsgDlgType type);

}  // namespace classlib
