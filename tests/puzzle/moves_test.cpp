// moves_test.cpp: selection rule, neighbour order, slides and completion.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <string>

#include "board_text.h"
#include "puzzle/puzzle.h"

namespace {

using puzzle::kBoardSide;
using puzzle::kCellCount;
using puzzle::Neighbour;
using puzzle::Puzzle;
using puzzletest::MapFromText;

// Tries the neighbours of the selected cell in order, as a double-click
// does, and returns the cell the piece moved to, or -1.
int TryMove(Puzzle& puzzle, int cell) {
  std::array<Neighbour, 4> steps{};
  const int count = Puzzle::NeighbourCandidates(cell % kBoardSide, cell / kBoardSide, steps);
  for (int i = 0; i < count; ++i) {
    const int target = Puzzle::TargetCell(cell, steps[i]);
    if (puzzle.Slide(cell, target)) return target;
  }
  return -1;
}

TEST(MovesTest, ResetRestoresIdentityAndKeepsGameState) {
  Puzzle puzzle;
  EXPECT_EQ(puzzle.PieceMap, MapFromText("0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24"));
  puzzle.ShufflePieces(1);
  puzzle.Playing = true;
  puzzle.ResetPieces();
  EXPECT_TRUE(puzzle.IsComplete());
  EXPECT_EQ(puzzle.BlankPiece, 21);
  EXPECT_TRUE(puzzle.Playing);
}

TEST(MovesTest, OnlyTheBlankIsRefusedAndOnlyDuringPlay) {
  Puzzle puzzle;
  puzzle.ShufflePieces(1);  // blank piece 21 lies in cell 3
  for (int cell = 0; cell < kCellCount; ++cell) {
    EXPECT_TRUE(puzzle.CanSelect(cell)) << cell;
  }
  puzzle.Playing = true;
  for (int cell = 0; cell < kCellCount; ++cell) {
    EXPECT_EQ(puzzle.CanSelect(cell), cell != 3) << cell;
  }
  EXPECT_EQ(Puzzle::HomeCol(17), 2);
  EXPECT_EQ(Puzzle::HomeRow(17), 3);
  EXPECT_EQ(Puzzle::CellIndex(2, 3), 17);
}

TEST(MovesTest, NeighbourOrderAtCornersEdgesAndMiddle) {
  struct Case {
    int col, row;
    const char* expected;  // L, R, U, D in the order tried
  };
  const Case cases[] = {{0, 0, "RD"}, {4, 0, "LD"}, {0, 4, "RU"},  {4, 4, "LU"}, {2, 0, "LRD"},
                        {2, 4, "LRU"}, {0, 2, "RUD"}, {4, 2, "LUD"}, {2, 2, "LRUD"}};
  for (const Case& c : cases) {
    std::array<Neighbour, 4> steps{};
    const int count = Puzzle::NeighbourCandidates(c.col, c.row, steps);
    std::string got;
    for (int i = 0; i < count; ++i) {
      const Neighbour n = steps[i];
      got += n.DeltaCol < 0 ? 'L' : n.DeltaCol > 0 ? 'R' : n.DeltaRow < 0 ? 'U' : 'D';
      EXPECT_EQ(std::abs(n.DeltaCol) + std::abs(n.DeltaRow), 1);
    }
    EXPECT_EQ(got, c.expected) << "col " << c.col << " row " << c.row;
  }
}

// Every pair (selected cell, blank cell): a move happens exactly when the two
// share a side, never across a row end, and it swaps just those two cells.
TEST(MovesTest, EveryPairMovesOnlyWhenSideBySide) {
  for (int blank = 0; blank < kCellCount; ++blank) {
    for (int cell = 0; cell < kCellCount; ++cell) {
      if (cell == blank) continue;
      Puzzle puzzle;
      puzzle.BlankPiece = blank;
      const int dc = std::abs(cell % kBoardSide - blank % kBoardSide);
      const int dr = std::abs(cell / kBoardSide - blank / kBoardSide);
      const bool adjacent = dc + dr == 1;
      const int moved = TryMove(puzzle, cell);
      ASSERT_EQ(moved, adjacent ? blank : -1) << "cell " << cell << " blank " << blank;
      Puzzle expected;
      if (adjacent) std::swap(expected.PieceMap[cell], expected.PieceMap[blank]);
      ASSERT_EQ(puzzle.PieceMap, expected.PieceMap) << "cell " << cell << " blank " << blank;
    }
  }
}

TEST(MovesTest, SlideIntoAPieceChangesNothing) {
  Puzzle puzzle;
  puzzle.BlankPiece = 12;
  const auto before = puzzle.PieceMap;
  EXPECT_FALSE(puzzle.Slide(6, 7));
  EXPECT_FALSE(puzzle.Slide(7, 2));
  EXPECT_EQ(puzzle.PieceMap, before);
  EXPECT_TRUE(puzzle.Slide(7, 12));
  EXPECT_EQ(puzzle.PieceMap[12], 7);
  EXPECT_EQ(puzzle.BlankCell(), 7);
}

TEST(MovesTest, CompletionNeedsEveryPieceHomeBlankIncluded) {
  Puzzle puzzle;
  puzzle.BlankPiece = 24;
  ASSERT_TRUE(puzzle.Slide(23, 24));
  EXPECT_FALSE(puzzle.IsComplete());
  // Piece 23 goes back on the last move: complete with the blank at home.
  ASSERT_TRUE(puzzle.Slide(24, 23));
  EXPECT_TRUE(puzzle.IsComplete());

  // Blank piece 6 in its own home cell, two pieces swapped elsewhere.
  puzzle.BlankPiece = 6;
  puzzle.PieceMap = MapFromText(
      " 0  1  2  3  4\n"
      " 5  6  7  8  9\n"
      "10 11 12 13 14\n"
      "15 16 17 18 19\n"
      "20 21 22 24 23\n");
  EXPECT_FALSE(puzzle.IsComplete());
  // Every piece home but the blank piece out of its cell.
  puzzle.PieceMap = MapFromText("1 0 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24");
  puzzle.BlankPiece = 0;
  EXPECT_FALSE(puzzle.IsComplete());
}

TEST(MovesTest, LongRandomWalkKeepsOnePermutationWithOneBlank) {
  Puzzle puzzle;
  puzzle.ShufflePieces(20240601);
  std::mt19937 walk(7);
  int blank = puzzle.BlankCell();
  for (int step = 0; step < 1'000'000; ++step) {
    std::array<Neighbour, 4> steps{};
    const int count = Puzzle::NeighbourCandidates(blank % kBoardSide, blank / kBoardSide, steps);
    const int from = Puzzle::TargetCell(blank, steps[walk() % count]);
    ASSERT_TRUE(puzzle.Slide(from, blank)) << "step " << step;
    blank = from;
    if (step % 997 == 0) {
      ASSERT_TRUE(puzzletest::IsPermutation(puzzle.PieceMap)) << "step " << step;
      ASSERT_EQ(puzzle.BlankCell(), blank) << "step " << step;
    }
  }
  EXPECT_TRUE(puzzletest::IsPermutation(puzzle.PieceMap));
  EXPECT_EQ(std::count(puzzle.PieceMap.begin(), puzzle.PieceMap.end(), puzzle.BlankPiece), 1);
}

}  // namespace
