// message_box.h: what a message box shows: the text beside the icon, and the
// kind the icon stands for.
#pragma once

#include "classlib/msgdialog.h"

namespace testsupport {

struct BoxShown {
  classlib::TString Text = "?";
  classlib::TMsgDlgType Type = classlib::TMsgDlgType::mtError;
};

// Any other window reads as "?".
inline BoxShown ReadBox(const classlib::TForm* window) {
  const auto* box = dynamic_cast<const classlib::TMessageForm*>(window);
  if (box == nullptr) return {};
  return {box->Text(), box->Type()};
}

}  // namespace testsupport
