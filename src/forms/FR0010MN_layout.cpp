// FR0010MN_layout.cpp: the main window's components, menu and event bindings,
// as the window stands before any handler has run.
#include "classlib/controls.h"
#include "classlib/xpm.h"
#include "forms/FR0010MN.h"
#include "forms/gothicfont.h"
#include "resources/pictures.h"

using namespace classlib;

namespace {

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 434;

platform::Surface Picture(const char* name) { return DecodeXpm(resources::Xpm(name)); }

TSpeedButton* MakeSpeedButton(TWinControl* parent, int left, const TString& hint, const char* glyph) {
  auto* button = new TSpeedButton(parent);
  button->SetBounds(left, 8, 33, 33);
  button->SetHint(hint);
  button->SetShowHint(true);
  button->SetGlyph(Picture(glyph));
  return button;
}

// A screen reader names each picture by the words it shows.
TImage* MakeImage(TWinControl* parent, int left, int top, int width, int height, const char* picture,
                  const TString& shows) {
  auto* image = new TImage(parent);
  image->SetBounds(left, top, width, height);
  image->SetPicture(Picture(picture));
  image->SetAccessibleName(shows);
  return image;
}

TPanel* MakePanel(TWinControl* parent, int left, int top, int width, int height) {
  auto* panel = new TPanel(parent);
  panel->SetBounds(left, top, width, height);
  panel->SetBevelOuter(TBevelCut::bvNone);
  return panel;
}

// Both grids: 5 x 5 cells of 48 x 48 that touch, painted only by the program,
// silver beyond the cells, and no input until they are enabled.
TDrawGrid* MakeGrid(TWinControl* parent, int left, int top, int width, int height,
                    const TString& name) {
  auto* grid = new TDrawGrid(parent);
  grid->SetAccessibleName(name);
  grid->SetBounds(left, top, width, height);
  grid->SetDefaultColWidth(48);
  grid->SetDefaultRowHeight(48);
  grid->SetColor(clSilver);
  grid->SetEnabled(false);
  return grid;
}

}  // namespace

void TFrmFR0010MN::BuildLayout() {
  SetFont(GothicFont(12));

  PnlTop = new TPanel(this);
  PnlTop->SetBounds(0, 0, kClientWidth, 49);
  PnlTop->SetBevelOuter(TBevelCut::bvLowered);
  PnlTop->SetBevelInner(TBevelCut::bvRaised);
  PnlTop->SetAlign(TAlign::alTop);
  SpbOpen = MakeSpeedButton(PnlTop, 8, TString("ﾌｧｲﾙを開く"), "open");
  SpbStart = MakeSpeedButton(PnlTop, 48, TString("ｼｬｯﾌﾙ"), "shuffle");
  SpbStart->SetEnabled(false);
  SpbExit = MakeSpeedButton(PnlTop, 88, TString("閉じる"), "exit");
  Bevel1 = new TBevel(PnlTop);
  Bevel1->SetBounds(43, 8, 6, 33);
  Bevel1->SetShape(TBevelShape::bsLeftLine);
  Bevel2 = new TBevel(PnlTop);
  Bevel2->SetBounds(83, 8, 6, 33);
  Bevel2->SetShape(TBevelShape::bsLeftLine);

  PnlLeft = MakePanel(this, 0, 49, 273, 385);
  PnlLeft->SetColor(clSilver);
  PnlLeft->SetAlign(TAlign::alLeft);
  ImgHint = MakeImage(PnlLeft, 12, 8, 120, 32, "hintview", TString("Hint View"));
  ImgHint->SetAutoSize(true);
  ImgLogo = MakeImage(PnlLeft, 0, 304, 273, 81, "logo", TString("Tessra"));
  ImgLogo->SetAlign(TAlign::alBottom);
  DGSub = MakeGrid(PnlLeft, 12, 40, 245, 245, TString("見本"));
  DGSub->SetScrollBars(TScrollStyle::ssNone);

  PnlMain = MakePanel(this, 273, 49, 359, 385);
  PnlMain->SetAlign(TAlign::alClient);
  DGMain = MakeGrid(PnlMain, 0, 40, 359, 345, TString("盤"));
  DGMain->SetScrollBars(TScrollStyle::ssBoth);
  DGMain->SetAlign(TAlign::alClient);
  PnlCaption = MakePanel(PnlMain, 0, 0, 359, 40);
  PnlCaption->SetColor(clSilver);
  PnlCaption->SetAlign(TAlign::alTop);
  ImgCaption = MakeImage(PnlCaption, 0, 8, 120, 32, "mainview",
                         TString("Main View"));
  ImgCaption->SetAutoSize(true);

  ODPic = new TOpenDialog(this);
  ODPic->SetTitle(TString("ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを開く"));
  ODPic->SetFilter(TString("ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(*.bmp)|*.bmp"));
  ILBits = std::make_unique<TImageList>();
  // The strip's transparent pixels become the mask; no glyph uses fuchsia.
  ILBits->AddMasked(DecodeXpm(resources::Xpm("numbers"), clFuchsia), clFuchsia);

  BuildMenu();
  SetClientSize(kClientWidth, kClientHeight);
  SetLeft(200);
  SetTop(107);
}

void TFrmFR0010MN::BuildMenu() {
  MnuMain = new TMainMenu(this);
  MnuFile = MnuMain->Add(TString("ﾌｧｲﾙ(&F)"));
  MnuOpen = MnuFile->Add(TString("開く(&O)"));
  N1 = MnuFile->Add(TString("-"));
  MnuStart = MnuFile->Add(TString("ｼｬｯﾌﾙ(&S)"));
  MnuStart->SetEnabled(false);
  N2 = MnuFile->Add(TString("-"));
  MnuExit = MnuFile->Add(TString("閉じる(&X)"));
  MnuHelp = MnuMain->Add(TString("ﾍﾙﾌﾟ(&H)"));
  MnuAbout = MnuHelp->Add(TString("ﾊﾞｰｼﾞｮﾝ情報(&V)"));
  SetMenu(MnuMain);
}

void TFrmFR0010MN::BindEvents() {
  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  OnDestroy = [this](TObject* sender) { FormDestroy(sender); };
  SpbOpen->OnClick = MnuOpen->OnClick = [this](TObject* sender) { MnuOpenClick(sender); };
  SpbStart->OnClick = MnuStart->OnClick = [this](TObject* sender) { SpbStartClick(sender); };
  SpbExit->OnClick = MnuExit->OnClick = [this](TObject* sender) { MnuExitClick(sender); };
  MnuAbout->OnClick = [this](TObject* sender) { MnuAboutClick(sender); };
  DGMain->OnDrawCell = [this](TObject* sender, int col, int row, TRect rect, TGridDrawState state) {
    DGMainDrawCell(sender, col, row, rect, state);
  };
  DGSub->OnDrawCell = [this](TObject* sender, int col, int row, TRect rect, TGridDrawState state) {
    DGSubDrawCell(sender, col, row, rect, state);
  };
  DGMain->OnSelectCell = [this](TObject* sender, int col, int row, bool& canSelect) {
    DGMainSelectCell(sender, col, row, canSelect);
  };
  DGMain->OnDblClick = [this](TObject* sender) { DGMainDblClick(sender); };
  DGMain->OnCellName = [this](TObject* sender, int col, int row) {
    return DGMainCellName(sender, col, row);
  };
  DGMain->OnDescription = [this](TObject* sender) { return DGMainDescription(sender); };
  DGSub->OnCellName = [this](TObject* sender, int col, int row) {
    return DGSubCellName(sender, col, row);
  };
}
