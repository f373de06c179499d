// FR0010MN_picture.cpp: the main window's bitmaps, picture loading and cell
// painting.
#include "classlib/exception.h"
#include "forms/FR0010MN.h"
#include "platform/raster.h"
#include "classlib/screen.h"
#include "render/cellpainter.h"
#include "render/picturefit.h"
#include "util/CL0010GF.h"

using namespace classlib;

bool TFrmFR0010MN::CreateBitmaps() {
  BmpWork.reset();
  BmpPicture.reset();
  BmpSub.reset();
  try {
    BmpWork = std::make_unique<TBitmap>();
    BmpPicture = std::make_unique<TBitmap>();
    BmpSub = std::make_unique<TBitmap>();
    // Screen sized, so that any cell of either grid fits in it. Every cell is
    // composed in it before it is copied out, so its first contents never
    // show: the pages no cell reaches stay unused.
    const classlib::ScreenSize screen = classlib::PrimaryScreenSize();
    BmpWork->SetWidth(screen.Width);
    BmpWork->SetHeight(screen.Height);
    return true;
  } catch (const Exception& e) {
    BmpWork.reset();
    BmpPicture.reset();
    BmpSub.reset();
    Utility.ShowError(e.Message());
    return false;
  }
}

void TFrmFR0010MN::FreeBitmaps() {
  BmpWork.reset();
  BmpPicture.reset();
  BmpSub.reset();
}

bool TFrmFR0010MN::LoadPicture(const TString& fileName) {
  FreeBitmaps();
  if (!CreateBitmaps()) return PictureReady;
  const auto refuse = [](render::PictureFit fit) {
    Utility.ShowInfo(render::RefusalText(fit));
    return false;
  };
  // The header tells the size: a picture that would be refused is refused
  // before it is decoded.
  render::PictureFit fit = render::PictureFit::Accepted;
  const bool loaded = BmpPicture->LoadFromFile(fileName, [&](int width, int height) {
    fit = render::FitPicture(width, height, DGMain->ClientWidth(), DGMain->ClientHeight());
    return fit == render::PictureFit::Accepted;
  });
  if (!loaded) return refuse(fit);
  const int width = BmpPicture->Width();
  const int height = BmpPicture->Height();
  PieceWidth = width / render::kBoardSide;
  PieceHeight = height / render::kBoardSide;

  for (int i = 0; i < render::kBoardSide; ++i) {
    DGMain->SetColWidth(i, PieceWidth);
    DGMain->SetRowHeight(i, PieceHeight);
  }
  BmpSub->SetWidth(DGSub->ClientWidth());
  BmpSub->SetHeight(DGSub->ClientHeight());
  platform::StretchBlt(BmpSub->Surface(), TRect{0, 0, BmpSub->Width(), BmpSub->Height()},
                       BmpPicture->Surface(), TRect{0, 0, width, height});
  PictureReady = true;
  return PictureReady;
}

bool TFrmFR0010MN::PictureShown() const { return BmpWork && BmpPicture && PictureReady; }

void TFrmFR0010MN::DGMainDrawCell(TObject*, int ACol, int ARow, TRect Rect,
                                  TGridDrawState State) {
  if (!PictureShown()) {
    render::PaintEmptyCell(DGMain->Canvas(), Rect);
    return;
  }
  render::BoardCell cell;
  cell.Piece = Game.PieceMap[static_cast<std::size_t>(puzzle::Puzzle::CellIndex(ACol, ARow))];
  cell.Width = Rect.Width();
  cell.Height = Rect.Height();
  cell.PieceWidth = PieceWidth;
  cell.PieceHeight = PieceHeight;
  cell.Playing = Game.Playing;
  cell.Blank = cell.Piece == Game.BlankPiece;
  cell.Selected = State.Selected;
  render::ComposeBoardCell(*BmpWork, BmpPicture->Surface(), *ILBits, cell);
  Utility.CopyBuffer(DGMain->Canvas(), Rect.Left, Rect.Top, Rect.Right, Rect.Bottom,
                     BmpWork->Canvas(), 0, 0, cell.Width, cell.Height);
}

void TFrmFR0010MN::DGSubDrawCell(TObject*, int ACol, int ARow, TRect Rect,
                                 TGridDrawState State) {
  if (!PictureShown()) {
    render::PaintEmptyCell(DGSub->Canvas(), Rect);
    return;
  }
  render::PreviewCell cell;
  cell.Col = ACol;
  cell.Row = ARow;
  cell.Width = Rect.Width();
  cell.Height = Rect.Height();
  cell.CellWidth = SubCellWidth;
  cell.CellHeight = SubCellHeight;
  cell.Playing = Game.Playing;
  cell.Blank = puzzle::Puzzle::CellIndex(ACol, ARow) == Game.BlankPiece;
  cell.Selected = State.Selected;
  render::ComposePreviewCell(*BmpWork, BmpSub->Surface(), *ILBits, cell);
  Utility.CopyBuffer(DGSub->Canvas(), Rect.Left, Rect.Top, Rect.Right, Rect.Bottom,
                     BmpWork->Canvas(), 0, 0, cell.Width, cell.Height);
}

void TFrmFR0010MN::MainGridWndProc(TMessage& Message) {
  // The cells cover the whole grid, so erasing first would only flicker.
  if (Message.Msg == WM_ERASEBKGND) {
    Message.Result = 1;
    return;
  }
  OldMainWndProc(Message);
}

void TFrmFR0010MN::SubGridWndProc(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    Message.Result = 1;
    return;
  }
  OldSubWndProc(Message);
}
