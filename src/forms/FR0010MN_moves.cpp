// FR0010MN_moves.cpp: the main window's puzzle handlers: selecting cells,
// sliding pieces, completion, dealing a new game, and the cells' names for
// screen readers. The rules themselves live in puzzle::Puzzle; these
// handlers connect them to the grids.
#include "forms/FR0010MN.h"

using namespace classlib;
using puzzle::Puzzle;

void TFrmFR0010MN::ResetPieces() { Game.ResetPieces(); }

void TFrmFR0010MN::DGMainSelectCell(TObject*, int ACol, int ARow, bool& CanSelect) {
  const int cell = Puzzle::CellIndex(ACol, ARow);
  if (!Game.CanSelect(cell)) {
    CanSelect = false;
    return;
  }
  CanSelect = true;
  // The preview marks the home cell of the piece being selected.
  const int piece = Game.PieceMap[static_cast<std::size_t>(cell)];
  DGSub->SetCol(Puzzle::HomeCol(piece));
  DGSub->SetRow(Puzzle::HomeRow(piece));
  DGSub->Repaint();
}

void TFrmFR0010MN::DGMainDblClick(TObject*) {
  if (!Game.Playing) return;
  std::array<puzzle::Neighbour, 4> candidates{};
  const int count = Puzzle::NeighbourCandidates(DGMain->Col(), DGMain->Row(), candidates);
  for (int i = 0; i < count; ++i) {
    const puzzle::Neighbour step = candidates[static_cast<std::size_t>(i)];
    const bool moved = step.DeltaCol != 0
                           ? SlideHorz(step.DeltaCol)
                           : SlideVert(step.DeltaRow * DGMain->ColCount(), step.DeltaRow);
    if (moved) {
      CheckComplete();
      return;
    }
  }
}

bool TFrmFR0010MN::SlideHorz(int delta) {
  const int cur = Puzzle::CellIndex(DGMain->Col(), DGMain->Row());
  if (!Game.Slide(cur, cur + delta)) return false;
  DGMain->SetCol(DGMain->Col() + delta);
  DGMain->Repaint();
  return true;
}

bool TFrmFR0010MN::SlideVert(int indexDelta, int rowDelta) {
  const int cur = Puzzle::CellIndex(DGMain->Col(), DGMain->Row());
  if (!Game.Slide(cur, cur + indexDelta)) return false;
  DGMain->SetRow(DGMain->Row() + rowDelta);
  DGMain->Repaint();
  return true;
}

bool TFrmFR0010MN::CheckComplete() {
  if (!Game.IsComplete()) return false;
  Game.Playing = false;
  Completed = true;
  DGMain->Repaint();
  // The preview keeps its look until it is next painted, but a screen
  // reader hears at once that no piece is missing any more.
  DGSub->AnnounceChangedNames();
  return true;
}

void TFrmFR0010MN::ShufflePieces() { Game.ShufflePieces(puzzle::SeedFromSeconds(Clock())); }

void TFrmFR0010MN::SpbStartClick(TObject*) {
  Game.Playing = true;
  Completed = false;
  DGMain->SetEnabled(true);
  ShufflePieces();
  DGMain->SetCol(Game.PieceMap[0] == Game.BlankPiece ? 1 : 0);
  DGMain->SetRow(0);
  bool canSelect = true;
  DGMainSelectCell(DGMain, DGMain->Col(), DGMain->Row(), canSelect);
  DGMain->Repaint();
}

// Numbers are spoken as the cells show them, from 1. During a game a piece
// in its home cell says so.
TString TFrmFR0010MN::DGMainCellName(TObject*, int ACol, int ARow) {
  const int cell = Puzzle::CellIndex(ACol, ARow);
  const int piece = Game.PieceMap[static_cast<std::size_t>(cell)];
  if (Game.Playing && piece == Game.BlankPiece) return TString("空きマス");
  const TString name = TString("ピース %1").Arg(piece + 1);
  return Game.Playing && piece == cell ? name + TString(" 正しい位置") : name;
}

// The progress a sighted player sees at a glance, and the end of the game,
// which the screen shows only as the whole picture.
TString TFrmFR0010MN::DGMainDescription(TObject*) {
  if (Completed) return TString("完成しました。すべてのピースが正しい位置にあります。");
  if (!Game.Playing) return {};
  return TString("%1 枚のうち %2 枚のピースが正しい位置にありません。")
      .Arg(puzzle::kCellCount - 1)
      .Arg(Game.MisplacedPieces());
}

TString TFrmFR0010MN::DGSubCellName(TObject*, int ACol, int ARow) {
  const int home = Puzzle::CellIndex(ACol, ARow);
  if (Game.Playing && home == Game.BlankPiece) {
    return TString("ピース %1 の場所（抜けたピース）").Arg(home + 1);
  }
  return TString("ピース %1 の場所").Arg(home + 1);
}
