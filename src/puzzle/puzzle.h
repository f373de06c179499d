// puzzle.h: the 5 x 5 piece map with its selection rule, slides, completion and deal.
#pragma once

#include <array>
#include <cstdint>

namespace puzzle {

inline constexpr int kBoardSide = 5;
inline constexpr int kCellCount = kBoardSide * kBoardSide;

// A neighbour of a cell, as a step in columns or in rows (one is zero).
struct Neighbour {
  int DeltaCol;
  int DeltaRow;
};

// The puzzle state the main window holds. Cells are numbered row by row from
// the top left (index = row * 5 + col); piece p belongs in cell p. The data
// members keep the names the window and the cell painter use.
class Puzzle {
 public:
  Puzzle();

  // Cell index -> piece number; always a permutation of 0..24.
  std::array<int, kCellCount> PieceMap{};
  // The piece taken out for the game; its cell is the blank while Playing.
  int BlankPiece = 0;
  bool Playing = false;

  // Every cell gets its own piece. The flags and BlankPiece stay as they are.
  void ResetPieces();

  // During a game the blank cell may not be selected; otherwise any cell may.
  bool CanSelect(int cell) const;

  // Moves the piece in cur into target when target is the blank; returns
  // whether it moved. Tests no bounds: callers take target from
  // NeighbourCandidates, which keeps it on the board and in the row.
  bool Slide(int cur, int target);

  // Lists the neighbours of (col, row) that lie on the board, in the order
  // left, right, up, down, and returns how many were written.
  static int NeighbourCandidates(int col, int row,
                                 std::array<Neighbour, 4>& out);

  // True when every cell holds its own piece, the blank piece's home included.
  bool IsComplete() const;

  // Deals a new arrangement from the seed: one random piece is taken out as
  // BlankPiece and put in a random cell, every other cell gets a distinct
  // piece. A deal that slides could never bring home gets its last two
  // pieces exchanged. Leaves Playing alone. Returns how many numbers were
  // drawn.
  int ShufflePieces(std::int32_t seed);

  // Whether slides can bring every piece home: each slide exchanges two
  // entries and moves the blank one step, so the map's parity and that of
  // the blank's distance from its home change together and must agree.
  bool IsSolvable() const;

  // How many pieces lie outside their home cell, the blank not counted.
  int MisplacedPieces() const;

  // The cell that holds BlankPiece.
  int BlankCell() const;

  static int CellIndex(int col, int row);
  static int HomeCol(int piece);
  static int HomeRow(int piece);
};

}  // namespace puzzle
