// random_test.cpp: the deal's generator and the clock seed.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "puzzle/clock.h"
#include "puzzle/random.h"

namespace {

using puzzle::Random;

TEST(RandomTest, KnownSequences) {
  Random random;
  random.SeedRandom(1);
  for (std::int32_t expected : {346, 13854878, 1621890440, 816282396, 1778554774}) {
    EXPECT_EQ(random.NextRandom(), expected);
  }
  random.SeedRandom(0);
  EXPECT_EQ(random.NextRandom(), 0);
  EXPECT_EQ(random.NextRandom(), 346);
}

TEST(RandomTest, NegativeSeedsFillOnlyTheLowWord) {
  // A sign-extended seed would start with 2147483301 and 2147473637.
  Random random;
  random.SeedRandom(-1);
  EXPECT_EQ(random.NextRandom(), 19674);
  EXPECT_EQ(random.NextRandom(), 386986254);
  random.SeedRandom(std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(random.NextRandom(), 10010);
  EXPECT_EQ(random.NextRandom(), 200420566);
}

TEST(ClockTest, SeedKeepsLowThirtyTwoBits) {
  EXPECT_EQ(puzzle::SeedFromSeconds(1), 1);
  EXPECT_EQ(puzzle::SeedFromSeconds(0x7FFFFFFFLL), 0x7FFFFFFF);
  // Past 2038 the count wraps into negative seeds, and the high word is dropped.
  EXPECT_EQ(puzzle::SeedFromSeconds(0x80000000LL), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(puzzle::SeedFromSeconds(0x1'0000'0005LL), 5);
  EXPECT_EQ(puzzle::SeedFromSeconds(-1), -1);
}

TEST(ClockTest, SystemClockCountsFromTheEpoch) {
  const std::int64_t seconds = puzzle::SystemSeconds();
  // 2020-01-01 and 2200-01-01: loose bounds that catch milliseconds or a wrong epoch.
  EXPECT_GT(seconds, 1577836800LL);
  EXPECT_LT(seconds, 7258118400LL);
}

}  // namespace
