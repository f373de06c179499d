// puzzle.cpp: the 5 x 5 piece map with its selection rule, slides, completion and deal.
#include "puzzle/puzzle.h"

#include <bitset>
#include <cassert>
#include <cstdlib>
#include <utility>

#include "puzzle/random.h"

namespace puzzle {

namespace {

// Used only in assertions, which a release build leaves out.
[[maybe_unused]] bool IsCell(int cell) { return cell >= 0 && cell < kCellCount; }

// Draws the next number and reduces it to a piece number. NextRandom never
// returns a negative value, so the remainder is a valid piece.
int DrawPiece(Random& random, int& draws) {
  ++draws;
  return random.NextRandom() % kCellCount;
}

}  // namespace

Puzzle::Puzzle() { ResetPieces(); }

void Puzzle::ResetPieces() {
  for (int cell = 0; cell < kCellCount; ++cell) {
    PieceMap[cell] = cell;
  }
}

bool Puzzle::CanSelect(int cell) const {
  assert(IsCell(cell));
  return !(Playing && PieceMap[cell] == BlankPiece);
}

bool Puzzle::Slide(int cur, int target) {
  assert(IsCell(cur) && IsCell(target));
  if (PieceMap[target] != BlankPiece) {
    return false;
  }
  const int piece = PieceMap[cur];
  PieceMap[cur] = BlankPiece;
  PieceMap[target] = piece;
  return true;
}

int Puzzle::NeighbourCandidates(int col, int row,
                                std::array<Neighbour, 4>& out) {
  // Only one cell is blank, so the order only decides how many lookups a
  // move takes; it is kept so a move always probes the same way.
  int count = 0;
  if (col % kBoardSide != 0) out[count++] = {-1, 0};
  if (col % kBoardSide != kBoardSide - 1) out[count++] = {+1, 0};
  if (row != 0) out[count++] = {0, -1};
  if (row != kBoardSide - 1) out[count++] = {0, +1};
  return count;
}

bool Puzzle::IsComplete() const {
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (PieceMap[cell] != cell) {
      return false;
    }
  }
  return true;
}

int Puzzle::ShufflePieces(std::int32_t seed) {
  Random random;
  random.SeedRandom(seed);
  int draws = 0;
  BlankPiece = DrawPiece(random, draws);
  // A second, independent draw: the blank may land in its own home cell.
  const int blankCell = DrawPiece(random, draws);
  std::bitset<kCellCount> used;
  used.set(BlankPiece);
  PieceMap[blankCell] = BlankPiece;
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (cell == blankCell) {
      continue;
    }
    int piece = DrawPiece(random, draws);
    while (used.test(piece)) {
      piece = DrawPiece(random, draws);
    }
    used.set(piece);
    PieceMap[cell] = piece;
  }
  if (!IsSolvable()) {
    // One exchange flips the parity; the blank and its cell stay put.
    const int last = blankCell == kCellCount - 1 ? kCellCount - 2 : kCellCount - 1;
    const int before = blankCell >= kCellCount - 2 ? kCellCount - 3 : kCellCount - 2;
    std::swap(PieceMap[before], PieceMap[last]);
  }
  return draws;
}

bool Puzzle::IsSolvable() const {
  // A permutation of n elements in c cycles is n - c transpositions.
  std::bitset<kCellCount> seen;
  int transpositions = 0;
  for (int start = 0; start < kCellCount; ++start) {
    for (int cell = start; !seen.test(cell); cell = PieceMap[cell]) {
      seen.set(cell);
      if (cell != start) ++transpositions;
    }
  }
  const int blank = BlankCell();
  const int distance = std::abs(blank % kBoardSide - HomeCol(BlankPiece)) +
                       std::abs(blank / kBoardSide - HomeRow(BlankPiece));
  return transpositions % 2 == distance % 2;
}

int Puzzle::MisplacedPieces() const {
  int count = 0;
  for (int cell = 0; cell < kCellCount; ++cell) {
    const int piece = PieceMap[cell];
    if (piece != cell && piece != BlankPiece) ++count;
  }
  return count;
}

int Puzzle::BlankCell() const {
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (PieceMap[cell] == BlankPiece) {
      return cell;
    }
  }
  assert(false && "the piece map lost its blank piece");
  return -1;
}

int Puzzle::CellIndex(int col, int row) { return row * kBoardSide + col; }

int Puzzle::HomeCol(int piece) { return piece % kBoardSide; }

int Puzzle::HomeRow(int piece) { return piece / kBoardSide; }

}  // namespace puzzle
