// FR0010MN.cpp: the main window's creation, its Open, Close and About
// commands, and minimising and restoring the whole program.
#include "forms/FR0010MN.h"

#include "classlib/application.h"
#include "classlib/exception.h"
#include "forms/FR0000AB.h"
#include "util/CL0010GF.h"

using namespace classlib;

TFrmFR0010MN* FrmFR0010MN = nullptr;

TFrmFR0010MN::TFrmFR0010MN(TForm* owner) : TForm(owner) {
  BuildLayout();
  BindEvents();
  DoCreate();
}

TFrmFR0010MN::~TFrmFR0010MN() {
  DoDestroy();
  if (Application->OnMessage) Application->OnMessage = nullptr;
  if (FrmFR0010MN == this) FrmFR0010MN = nullptr;
}

void TFrmFR0010MN::FormCreate(TObject*) {
  Application->OnMessage = [this](TMessage& msg, bool& handled) { AppMessage(msg, handled); };
  Application->SetHintHidePause(0x7FFFFFFF);
  OldMainWndProc = DGMain->WindowProc;
  DGMain->WindowProc = [this](TMessage& message) { MainGridWndProc(message); };
  OldSubWndProc = DGSub->WindowProc;
  DGSub->WindowProc = [this](TMessage& message) { SubGridWndProc(message); };
  SetCaption(Utility.GetAppTitle());
  PictureReady = false;
  Game.Playing = false;
  ResetPieces();
  SubCellWidth = DGSub->DefaultColWidth();
  SubCellHeight = DGSub->DefaultRowHeight();
  if (!CreateBitmaps()) Application->Terminate();
}

void TFrmFR0010MN::FormDestroy(TObject*) { FreeBitmaps(); }

void TFrmFR0010MN::MnuExitClick(TObject*) { Close(); }

void TFrmFR0010MN::MnuOpenClick(TObject*) {
  if (ODPic->Execute()) {
    try {
      PictureReady = false;
      Game.Playing = false;
      Completed = false;
      DGMain->Repaint();
      DGSub->Repaint();
      ResetPieces();
      LoadPicture(ODPic->FileName());
    } catch (const Exception& e) {
      Utility.ShowError(e.Message());
    }
  }
  SpbStart->SetEnabled(PictureReady);
  MnuStart->SetEnabled(PictureReady);
  DGMain->SetCol(0);
  DGMain->SetRow(0);
  DGSub->SetCol(0);
  DGSub->SetRow(0);
  DGMain->Repaint();
  DGSub->Repaint();
}

void TFrmFR0010MN::MnuAboutClick(TObject*) {
  FrmFR0000AB = nullptr;
  try {
    FrmFR0000AB = new TFrmFR0000AB(this);
    FrmFR0000AB->SetLeft(Left() + (Width() - FrmFR0000AB->Width()) / 2);
    FrmFR0000AB->SetTop(Top() + (Height() - FrmFR0000AB->Height()) / 2);
    FrmFR0000AB->ShowModal();
    FrmFR0000AB->Release();
  } catch (const Exception& e) {
    delete FrmFR0000AB;
    FrmFR0000AB = nullptr;
    Utility.ShowError(e.Message());
  }
}

void TFrmFR0010MN::Dispatch(TMessage& message) {
  if (message.Msg == WM_SYSCOMMAND) {
    WMSysCommand(message);
    return;
  }
  TForm::Dispatch(message);
}

void TFrmFR0010MN::WMSysCommand(TMessage& Msg) {
  if (Msg.WParam == SC_MINIMIZE) {
    MinimizeApp();
    Msg.Result = 1;
    return;
  }
  // Every other command keeps the window system's own handling, which has
  // already acted by the time the window hears of it.
}

void TFrmFR0010MN::MinimizeApp() { Application->Minimize(); }

void TFrmFR0010MN::AppMessage(TMessage& Msg, bool& Handled) {
  if (Msg.Msg != WM_SYSCOMMAND) return;
  if (Msg.WParam == SC_RESTORE) {
    Application->Restore();
    Handled = true;
  } else if (Msg.WParam == SC_MINIMIZE) {
    MinimizeApp();
    Handled = true;
  }
}
