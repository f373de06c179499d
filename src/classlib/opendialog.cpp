// opendialog.cpp: the file-open dialog.
#include "classlib/opendialog.h"

#include "classlib/modal.h"

namespace classlib {

bool TOpenDialog::Execute() {
  TFileAnswer chosen;
  if (std::optional<TFileAnswer> answer = TakeFileAnswer()) {
    chosen = *answer;
  } else {
    chosen = backend::ChooseFile(title_, filter_, fileName_);
  }
  if (!chosen) return false;
  fileName_ = *chosen;
  return true;
}

}  // namespace classlib
