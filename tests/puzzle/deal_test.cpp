// deal_test.cpp: the seeded deal, checked against a known table and over many seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>

#include "board_text.h"
#include "puzzle/puzzle.h"

namespace {

using puzzle::kCellCount;
using puzzle::Puzzle;
using puzzletest::MapFromText;

TEST(DealTest, SeedOneGivesTheKnownTable) {
  Puzzle puzzle;
  EXPECT_EQ(puzzle.ShufflePieces(1), 92);
  EXPECT_EQ(puzzle.BlankPiece, 21);
  EXPECT_EQ(puzzle.BlankCell(), 3);
  EXPECT_EQ(puzzle.PieceMap, MapFromText(
                                 "15 24  8 21  7\n"
                                 " 6 16 12 18  4\n"
                                 "17  0  9  3 14\n"
                                 "20  1 10 22 19\n"
                                 "13 11 23  5  2\n"));
  EXPECT_FALSE(puzzle.Playing);
}

TEST(DealTest, SameSeedSameDealWhateverCameBefore) {
  Puzzle first;
  first.ShufflePieces(1700000000);
  Puzzle second;
  second.ShufflePieces(-5);
  second.Slide(second.BlankCell() == 0 ? 1 : 0, second.BlankCell());
  second.BlankPiece = 3;
  second.Playing = true;
  second.ShufflePieces(1700000000);
  EXPECT_EQ(second.PieceMap, first.PieceMap);
  EXPECT_EQ(second.BlankPiece, first.BlankPiece);
  EXPECT_TRUE(second.Playing);
}

// Across many seeds: each deal is a permutation with one blank, the draw
// count stays small, and every piece and every cell comes up as the blank.
TEST(DealTest, ManySeedsGiveValidDeals) {
  std::bitset<kCellCount> blankPieces;
  std::bitset<kCellCount> blankCells;
  int mostDraws = 0;
  Puzzle puzzle;
  for (int seed = -2000; seed < 8000; ++seed) {
    const int draws = puzzle.ShufflePieces(seed * 7919);
    ASSERT_TRUE(puzzletest::IsPermutation(puzzle.PieceMap)) << "seed " << seed;
    ASSERT_EQ(std::count(puzzle.PieceMap.begin(), puzzle.PieceMap.end(), puzzle.BlankPiece), 1);
    ASSERT_GE(draws, kCellCount + 1);
    mostDraws = std::max(mostDraws, draws);
    blankPieces.set(puzzle.BlankPiece);
    blankCells.set(puzzle.BlankCell());
  }
  EXPECT_LT(mostDraws, 500);  // 391 for these seeds
  EXPECT_TRUE(blankPieces.all());
  EXPECT_TRUE(blankCells.all());
}

}  // namespace
