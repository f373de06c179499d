// FR0000AB.cpp: the About box.
#include "forms/FR0000AB.h"

#include "classlib/controls.h"
#include "classlib/modal.h"
#include "classlib/xpm.h"
#include "forms/FR0010MN.h"
#include "forms/gothicfont.h"
#include "resources/pictures.h"
#include "util/CL0010GF.h"

using namespace classlib;

TFrmFR0000AB* FrmFR0000AB = nullptr;

namespace {

TLabel* MakeNoticeLabel(TWinControl* parent, int top, const TString& text) {
  auto* label = new TLabel(parent);
  label->SetBounds(24, top, 209, 17);
  label->SetAlignment(TAlignment::taRightJustify);
  label->SetFont(GothicFont(11));
  label->SetFontColor(clBlack);
  label->SetCaption(text);
  return label;
}

// A screen reader names each picture by what it shows.
TImage* MakeImage(TWinControl* parent, int left, int top, int width, int height, const TString& shows) {
  auto* image = new TImage(parent);
  image->SetBounds(left, top, width, height);
  image->SetAutoSize(true);
  image->SetAccessibleName(shows);
  return image;
}

}  // namespace

TFrmFR0000AB::TFrmFR0000AB(TForm* owner) : TForm(owner) {
  BuildLayout();
  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  DoCreate();
}

TFrmFR0000AB::~TFrmFR0000AB() {
  DoDestroy();
  if (FrmFR0000AB == this) FrmFR0000AB = nullptr;
}

void TFrmFR0000AB::BuildLayout() {
  SetBorderStyle(TFormBorderStyle::bsDialog);
  SetFont(GothicFont(12));
  SetCaption("Tessra Ver1.0");
  SetClientSize(257, 178);
  SetLeft(398);
  SetTop(246);

  ImgBack = MakeImage(this, 8, 6, 240, 160, TString("枠付きの背景"));
  ImgBack->SetPicture(DecodeXpm(resources::Xpm("aboutback")));
  ImgProgramIcon = MakeImage(this, 28, 24, 200, 50, TString("Tessra"));
  ImgProgramIcon->SetStretch(true);
  LblCopyright = MakeNoticeLabel(this, 88, TString("© 2026 Tessra Project"));
  LblComments = MakeNoticeLabel(this, 104, TString("All rights reserved."));
  LblComments->SetWordWrap(true);
  Image1 = MakeImage(this, 32, 86, 32, 32, TString("製作者のエンブレム"));
  Image1->SetPicture(DecodeXpm(resources::Xpm("emblem")));
  BtnOKButton = new TButton(this);
  BtnOKButton->SetBounds(160, 128, 73, 25);
  BtnOKButton->SetCaption(TString("OK"));
  BtnOKButton->SetDefault(true);
  BtnOKButton->SetModalResult(mrOk);
  BtnOKButton->SetFocus();
}

void TFrmFR0000AB::FormCreate(TObject*) {
  if (FrmFR0010MN != nullptr) ImgProgramIcon->SetPicture(FrmFR0010MN->ImgLogo->Picture());
  Utility.CenterOnOwner(this);
}
