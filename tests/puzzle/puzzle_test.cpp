// puzzle_test.cpp: the generator and the clock seed, the deal, the selection
// rule, neighbour order, slides and completion.
#include "puzzle/puzzle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>

#include "puzzle/clock.h"
#include "puzzle/random.h"
#include "support/board_solver.h"

namespace {

using puzzle::kBoardSide;
using puzzle::kCellCount;
using puzzle::Neighbour;
using puzzle::Puzzle;
using Map = std::array<int, kCellCount>;

// A piece map written as numbers, five to a line.
Map MapFromText(const std::string& text) {
  Map map{};
  std::istringstream in(text);
  for (int& piece : map) in >> piece;
  return map;
}

Map Identity() {
  Map map{};
  for (int i = 0; i < kCellCount; ++i) map[static_cast<std::size_t>(i)] = i;
  return map;
}

TEST(RandomTest, KnownSequences) {
  puzzle::Random random;
  random.SeedRandom(1);
  for (std::int32_t expected : {346, 13854878, 1621890440, 816282396, 1778554774}) {
    EXPECT_EQ(random.NextRandom(), expected);
  }
  // Negative seeds fill only the low word: a sign-extended seed would start
  // with 2147483301 and 2147473637.
  const std::int32_t starts[][3] = {
      {0, 0, 346}, {-1, 19674, 386986254}, {std::numeric_limits<std::int32_t>::min(), 10010, 200420566}};
  for (const auto& [seed, first, second] : starts) {
    random.SeedRandom(seed);
    // Braces read the two draws in order.
    EXPECT_EQ((std::pair{random.NextRandom(), random.NextRandom()}), std::pair(first, second)) << seed;
  }
}

TEST(ClockTest, SeedKeepsTheLowThirtyTwoBitsOfTheSystemSeconds) {
  EXPECT_EQ(puzzle::SeedFromSeconds(0x7FFFFFFFLL), 0x7FFFFFFF);
  // Past 2038 the count wraps into negative seeds, and the high word is dropped.
  EXPECT_EQ(puzzle::SeedFromSeconds(0x80000000LL), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(puzzle::SeedFromSeconds(0x1'0000'0005LL), 5);
  EXPECT_EQ(puzzle::SeedFromSeconds(-1), -1);
  // 2020-01-01 and 2200-01-01: loose bounds that catch milliseconds or a wrong epoch.
  EXPECT_GT(puzzle::SystemSeconds(), 1577836800LL);
  EXPECT_LT(puzzle::SystemSeconds(), 7258118400LL);
}

TEST(DealTest, SeedOneGivesTheKnownTableWhateverCameBefore) {
  Puzzle puzzle;
  puzzle.ShufflePieces(-5);
  puzzle.Slide(puzzle.BlankCell() == 0 ? 1 : 0, puzzle.BlankCell());
  puzzle.BlankPiece = 3;
  puzzle.Playing = true;
  EXPECT_EQ(puzzle.ShufflePieces(1), 92);
  EXPECT_EQ(std::pair(puzzle.BlankPiece, puzzle.BlankCell()), std::pair(21, 3));
  EXPECT_EQ(puzzle.PieceMap, MapFromText(
                                 "15 24  8 21  7\n"
                                 " 6 16 12 18  4\n"
                                 "17  0  9  3 14\n"
                                 "20  1 10 22 19\n"
                                 "13 11 23  2  5\n"));
  EXPECT_TRUE(puzzle.Playing) << "a deal leaves the game state alone";
}

// Drawn as they come, seeds 11 and 18 could never be brought home, so the
// pieces of their last two cells other than the blank are exchanged; seed 4
// could, and stays as drawn.
TEST(DealTest, OnlyUnsolvableDealsGetTheirLastTwoPiecesExchanged) {
  const struct {
    int Seed;
    const char* BottomRow;
  } cases[] = {{11, "17 3 4 9 6"},    // blank in 24; drawn 17 3 9 4 6
               {18, "0 2 16 3 20"},   // blank in 23; drawn 0 2 20 3 16
               {4, "3 23 15 21 9"}};  // blank in 24
  Puzzle puzzle;
  for (const auto& c : cases) {
    puzzle.ShufflePieces(c.Seed);
    const Map bottom = MapFromText(c.BottomRow);
    EXPECT_TRUE(std::equal(bottom.begin(), bottom.begin() + kBoardSide, puzzle.PieceMap.begin() + 20))
        << "seed " << c.Seed;
  }
  // One more exchange and no slides can bring it home.
  std::swap(puzzle.PieceMap[0], puzzle.PieceMap[1]);
  EXPECT_FALSE(puzzle.IsSolvable());
  EXPECT_FALSE(testsupport::SolveBoard(puzzle.PieceMap, puzzle.BlankPiece));
}

// Across many seeds: each deal is a permutation with one blank that slides
// can bring home, the draw count stays small, and every piece and every cell
// comes up as the blank.
TEST(DealTest, ManySeedsGiveValidSolvableDeals) {
  std::bitset<kCellCount> blankPieces;
  std::bitset<kCellCount> blankCells;
  int mostDraws = 0;
  Puzzle puzzle;
  for (int seed = -2000; seed < 8000; ++seed) {
    const int draws = puzzle.ShufflePieces(seed * 7919);
    Map sorted = puzzle.PieceMap;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(sorted, Identity()) << "seed " << seed;
    ASSERT_TRUE(puzzle.IsSolvable()) << "seed " << seed;
    // Some also by the solver, whose slides the soak tests play out.
    ASSERT_TRUE(seed % 500 != 0 || testsupport::SolveBoard(puzzle.PieceMap, puzzle.BlankPiece)) << seed;
    ASSERT_GE(draws, kCellCount + 1);
    mostDraws = std::max(mostDraws, draws);
    blankPieces.set(static_cast<std::size_t>(puzzle.BlankPiece));
    blankCells.set(static_cast<std::size_t>(puzzle.BlankCell()));
  }
  EXPECT_LT(mostDraws, 500);  // 391 for these seeds
  EXPECT_TRUE(blankPieces.all());
  EXPECT_TRUE(blankCells.all());
}

TEST(MovesTest, OnlyTheBlankIsRefusedAndOnlyDuringPlay) {
  Puzzle puzzle;
  puzzle.ShufflePieces(1);  // blank piece 21 lies in cell 3
  for (int cell = 0; cell < kCellCount; ++cell) EXPECT_TRUE(puzzle.CanSelect(cell)) << cell;
  puzzle.Playing = true;
  for (int cell = 0; cell < kCellCount; ++cell) EXPECT_EQ(puzzle.CanSelect(cell), cell != 3) << cell;
  // Putting the pieces back leaves the game and its blank as they were.
  puzzle.ResetPieces();
  EXPECT_EQ(std::tuple(puzzle.PieceMap, puzzle.BlankPiece, puzzle.Playing), std::tuple(Identity(), 21, true));
}

TEST(MovesTest, NeighbourOrderAtCornersEdgesAndMiddle) {
  const struct {
    int Col, Row;
    const char* Expected;  // L, R, U, D in the order tried
  } cases[] = {{0, 0, "RD"},  {4, 0, "LD"},  {0, 4, "RU"},  {4, 4, "LU"},  {2, 0, "LRD"},
               {2, 4, "LRU"}, {0, 2, "RUD"}, {4, 2, "LUD"}, {2, 2, "LRUD"}};
  for (const auto& c : cases) {
    std::array<Neighbour, 4> steps{};
    const int count = Puzzle::NeighbourCandidates(c.Col, c.Row, steps);
    std::string got;
    for (int i = 0; i < count; ++i) {
      const Neighbour n = steps[static_cast<std::size_t>(i)];
      got += n.DeltaCol < 0 ? 'L' : n.DeltaCol > 0 ? 'R' : n.DeltaRow < 0 ? 'U' : 'D';
      EXPECT_EQ(std::abs(n.DeltaCol) + std::abs(n.DeltaRow), 1);
    }
    EXPECT_EQ(got, c.Expected) << "col " << c.Col << " row " << c.Row;
  }
}

// Every pair (selected cell, blank cell), trying the neighbours in order as a
// double-click does: a move happens exactly when the two share a side, never
// across a row end, and it swaps just those two cells.
TEST(MovesTest, EveryPairMovesOnlyWhenSideBySide) {
  for (int blank = 0; blank < kCellCount; ++blank) {
    for (int cell = 0; cell < kCellCount; ++cell) {
      if (cell == blank) continue;
      Puzzle puzzle;
      puzzle.BlankPiece = blank;
      const int col = cell % kBoardSide, row = cell / kBoardSide;
      std::array<Neighbour, 4> steps{};
      const int count = Puzzle::NeighbourCandidates(col, row, steps);
      int moved = -1;
      for (int i = 0; i < count && moved < 0; ++i) {
        const Neighbour step = steps[static_cast<std::size_t>(i)];
        const int target = Puzzle::CellIndex(col + step.DeltaCol, row + step.DeltaRow);
        if (puzzle.Slide(cell, target)) moved = target;
      }
      const bool adjacent = std::abs(cell % 5 - blank % 5) + std::abs(cell / 5 - blank / 5) == 1;
      ASSERT_EQ(moved, adjacent ? blank : -1) << "cell " << cell << " blank " << blank;
      Map expected = Identity();
      if (adjacent) std::swap(expected[static_cast<std::size_t>(cell)], expected[static_cast<std::size_t>(blank)]);
      ASSERT_EQ(puzzle.PieceMap, expected) << "cell " << cell << " blank " << blank;
    }
  }
}

TEST(MovesTest, CompletionNeedsEveryPieceHomeBlankIncluded) {
  Puzzle puzzle;
  puzzle.BlankPiece = 24;
  ASSERT_TRUE(puzzle.Slide(23, 24));
  EXPECT_FALSE(puzzle.IsComplete());
  // Piece 23 goes back on the last move: complete with the blank at home.
  ASSERT_TRUE(puzzle.Slide(24, 23));
  EXPECT_TRUE(puzzle.IsComplete());
  // The blank piece 6 at home, two other pieces swapped.
  puzzle.BlankPiece = 6;
  std::swap(puzzle.PieceMap[23], puzzle.PieceMap[24]);
  EXPECT_FALSE(puzzle.IsComplete());
  // Every piece home but the blank piece out of its cell.
  puzzle.PieceMap = MapFromText("1 0 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24");
  puzzle.BlankPiece = 0;
  EXPECT_FALSE(puzzle.IsComplete());
}

}  // namespace
