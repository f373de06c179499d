// opendialog.h: the file-open dialog, reused so that each use starts from
// the file chosen last.
#pragma once

#include "classlib/controls.h"
#include "classlib/tstring.h"

namespace classlib {

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

  void SetTitle(const TString& title) { title_ = title; }
  // Entries "description|pattern", separated by "|" as well.
  void SetFilter(const TString& filter) { filter_ = filter; }
  TString FileName() const { return fileName_; }

  // Shows the dialog; returns true when an existing file was chosen, which
  // FileName then holds. A queued file answer (modal.h) takes the dialog's
  // place.
  bool Execute();

 private:
  TString title_;
  TString filter_;
  TString fileName_;
};

}  // namespace classlib
