// gridaxis_test.cpp: hit testing and scroll limits along one axis of a grid
// with cells of different sizes.
#include "classlib/gridaxis.h"

#include <gtest/gtest.h>

namespace classlib {
namespace {

// Cells of 30, 50, 0, 40, 20 pixels.
TGridAxis MixedAxis() {
  TGridAxis axis(5, 10);
  const int sizes[] = {30, 50, 0, 40, 20};
  for (int i = 0; i < 5; ++i) axis.SetSize(i, sizes[i]);
  return axis;
}

TEST(GridAxisTest, FindsTheCellUnderAPointFromAnyFirstCell) {
  const TGridAxis axis = MixedAxis();
  EXPECT_EQ(axis.IndexAt(0, 100, 0), 0);
  EXPECT_EQ(axis.IndexAt(0, 100, 30), 1);
  EXPECT_EQ(axis.IndexAt(0, 100, 80), 3);  // the empty cell 2 is skipped
  EXPECT_EQ(axis.IndexAt(0, 100, 100), -1);  // outside the extent
  EXPECT_EQ(axis.IndexAt(3, 100, 59), 4);
  EXPECT_EQ(axis.IndexAt(3, 100, 60), -1);  // past the last cell
  EXPECT_EQ(axis.Start(3, 1), -50);
  EXPECT_EQ(axis.LastShown(1, 91), 4);
  EXPECT_EQ(axis.LastShown(1, 90), 3);
}

TEST(GridAxisTest, ScrollLimitShowsTheLastCellWhole) {
  const TGridAxis axis = MixedAxis();
  EXPECT_EQ(axis.MaxFirst(140), 0);
  EXPECT_EQ(axis.MaxFirst(139), 1);
  EXPECT_EQ(axis.MaxFirst(60), 2);  // cells 2..4 take exactly 60
  EXPECT_EQ(axis.MaxFirst(10), 4);  // even the last cell alone is too large
  EXPECT_EQ(axis.FullyShown(0, 79), 1);
  EXPECT_EQ(axis.FullyShown(1, 90), 3);
}

TEST(GridAxisTest, FirstToShowMovesAsLittleAsPossible) {
  const TGridAxis axis = MixedAxis();
  EXPECT_EQ(axis.FirstToShow(0, 100, 1), 0);  // already whole
  EXPECT_EQ(axis.FirstToShow(0, 100, 3), 1);
  EXPECT_EQ(axis.FirstToShow(3, 100, 0), 0);
  EXPECT_EQ(axis.FirstToShow(0, 30, 1), 1);  // larger than the extent: its edge
}

}  // namespace
}  // namespace classlib
