// FR0010MN.h: the main window: tool bar, preview, board, menu, and the
// commands and puzzle handlers behind them.
#pragma once

#include <memory>

#include "classlib/drawgrid.h"
#include "classlib/form.h"
#include "classlib/bitmap.h"
#include "classlib/image.h"
#include "classlib/imagelist.h"
#include "classlib/menus.h"
#include "classlib/opendialog.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "puzzle/clock.h"
#include "puzzle/puzzle.h"

class TFrmFR0010MN : public classlib::TForm {
 public:
  explicit TFrmFR0010MN(classlib::TForm* owner);
  ~TFrmFR0010MN() override;

  // Components, in creation order.
  classlib::TPanel* PnlTop;
  classlib::TSpeedButton* SpbOpen;
  classlib::TSpeedButton* SpbStart;
  classlib::TSpeedButton* SpbExit;
  classlib::TBevel* Bevel1;
  classlib::TBevel* Bevel2;
  classlib::TPanel* PnlLeft;
  classlib::TImage* ImgHint;
  classlib::TImage* ImgLogo;
  classlib::TDrawGrid* DGSub;
  classlib::TPanel* PnlMain;
  classlib::TDrawGrid* DGMain;
  classlib::TPanel* PnlCaption;
  classlib::TImage* ImgCaption;
  classlib::TMainMenu* MnuMain;
  classlib::TMenuItem* MnuFile;
  classlib::TMenuItem* MnuOpen;
  classlib::TMenuItem* N1;
  classlib::TMenuItem* MnuStart;
  classlib::TMenuItem* N2;
  classlib::TMenuItem* MnuExit;
  classlib::TMenuItem* MnuHelp;
  classlib::TMenuItem* MnuAbout;
  classlib::TOpenDialog* ODPic;
  std::unique_ptr<classlib::TImageList> ILBits;

  // Event handlers.
  void FormCreate(classlib::TObject* Sender);
  void MnuExitClick(classlib::TObject* Sender);
  void MnuOpenClick(classlib::TObject* Sender);
  void DGSubDrawCell(classlib::TObject* Sender, int ACol, int ARow, classlib::TRect Rect,
                     classlib::TGridDrawState State);
  void FormDestroy(classlib::TObject* Sender);
  void DGMainDrawCell(classlib::TObject* Sender, int ACol, int ARow, classlib::TRect Rect,
                      classlib::TGridDrawState State);
  void DGMainSelectCell(classlib::TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void SpbStartClick(classlib::TObject* Sender);
  void DGMainDblClick(classlib::TObject* Sender);
  void MnuAboutClick(classlib::TObject* Sender);
  // What a screen reader calls each cell of the board and of the preview.
  classlib::TString DGMainCellName(classlib::TObject* Sender, int ACol, int ARow);
  classlib::TString DGSubCellName(classlib::TObject* Sender, int ACol, int ARow);
  // What a screen reader is told of the board as a whole: how many pieces
  // are still astray, and that the picture is whole again.
  classlib::TString DGMainDescription(classlib::TObject* Sender);

  // Minimising and restoring the whole program.
  void MinimizeApp();
  void AppMessage(classlib::TMessage& Msg, bool& Handled);
  void WMSysCommand(classlib::TMessage& Msg);

  // Bitmaps and the picture.
  bool CreateBitmaps();
  void FreeBitmaps();
  bool LoadPicture(const classlib::TString& fileName);

  // The board's moves.
  void ResetPieces();
  bool SlideHorz(int delta);
  bool SlideVert(int indexDelta, int rowDelta);
  bool CheckComplete();
  void ShufflePieces();

  // The grids' window procedures: they keep the grids from erasing their
  // background before each paint.
  void MainGridWndProc(classlib::TMessage& Message);
  void SubGridWndProc(classlib::TMessage& Message);

  void Dispatch(classlib::TMessage& message) override;

 private:
  friend class TFrmFR0010MNView;

  // Picture state.
  int PieceWidth = 0;
  int PieceHeight = 0;
  int SubCellWidth = 0;
  int SubCellHeight = 0;
  std::unique_ptr<classlib::TBitmap> BmpWork;
  std::unique_ptr<classlib::TBitmap> BmpPicture;
  std::unique_ptr<classlib::TBitmap> BmpSub;
  // The board: PieceMap, BlankPiece and Playing.
  puzzle::Puzzle Game;
  bool PictureReady = false;
  // The last game came home and no new game or picture has come since; only
  // a screen reader is told.
  bool Completed = false;
  classlib::TWndMethod OldMainWndProc;
  classlib::TWndMethod OldSubWndProc;

  // The clock behind the deal, in whole seconds since 1970; the view fixes it.
  puzzle::ClockFunction Clock = puzzle::SystemSeconds;

  // Cells show the picture only when one is ready and the bitmaps exist;
  // otherwise they are painted plain silver.
  bool PictureShown() const;
  void BuildLayout();
  void BuildMenu();
  void BindEvents();
};

// The one view that tests and the benchmarks have of the window's state;
// everything else they observe through the window's widgets.
class TFrmFR0010MNView {
 public:
  explicit TFrmFR0010MNView(TFrmFR0010MN* window) : window_(window) {}

  // The board, for reading and for arranging positions.
  puzzle::Puzzle& Game() const { return window_->Game; }
  bool PictureReady() const { return window_->PictureReady; }
  int PieceWidth() const { return window_->PieceWidth; }
  int PieceHeight() const { return window_->PieceHeight; }
  const classlib::TBitmap* BmpPicture() const { return window_->BmpPicture.get(); }
  const classlib::TBitmap* BmpSub() const { return window_->BmpSub.get(); }
  // Fixes the clock behind the next deals.
  void SetClock(puzzle::ClockFunction clock) const { window_->Clock = std::move(clock); }

 private:
  TFrmFR0010MN* window_;
};

// The main window, once created.
extern TFrmFR0010MN* FrmFR0010MN;
