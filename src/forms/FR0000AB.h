// FR0000AB.h: the About box: logo, version, copyright notice and emblem.
#pragma once

#include "classlib/form.h"
#include "classlib/image.h"
#include "classlib/stdctrls.h"

class TFrmFR0000AB : public classlib::TForm {
 public:
  // The owner is the main window, over which the box centres itself.
  explicit TFrmFR0000AB(classlib::TForm* owner);
  ~TFrmFR0000AB() override;

  classlib::TImage* ImgBack;
  classlib::TImage* ImgProgramIcon;
  classlib::TLabel* LblCopyright;
  classlib::TLabel* LblComments;
  classlib::TImage* Image1;
  classlib::TButton* BtnOKButton;

  void FormCreate(classlib::TObject* Sender);

 private:
  void BuildLayout();
};

// The box while it is open; only the About command uses it.
extern TFrmFR0000AB* FrmFR0000AB;
