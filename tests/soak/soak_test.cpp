// soak_test.cpp: thousands of moves through the board grid's real mouse
// events, on a board that fits its grid and on one that scrolls, with the
// board's rules checked after every event and resident memory watched.
//
// Whole games, too, from the deal to the last slide.
//
// TESSRA_SOAK_SLIDES sets how many slides each board gets (2500 by
// default, 5000 in all); long runs raise it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "forms/mainwindow_fixture.h"
#include "soak/grid_player.h"
#include "soak/process_memory.h"

namespace soak {
namespace {

constexpr int kDefaultSlides = 2500;
constexpr int kWarmUpSlides = 300;
// Painting a cell allocates nothing; what a long game may add to the
// resident size is allocator noise.
constexpr long kMaxGrowthKiB = 8 * 1024;

int SlidesPerBoard() {
  const char* text = std::getenv("TESSRA_SOAK_SLIDES");
  const int slides = text != nullptr ? std::atoi(text) : kDefaultSlides;
  return slides > kWarmUpSlides ? slides : kWarmUpSlides + 1;
}

class SoakTest : public formtest::MainWindowTest {
 protected:
  // Plays SlidesPerBoard() slides on a picture of the given size.
  void Soak(int width, int height, std::uint64_t seed) {
    Open(formtest::WriteBmp(dir_, "soak.bmp", formtest::PatternPicture(width, height)));
    ASSERT_TRUE(View().PictureReady());
    Start(static_cast<std::int64_t>(seed));
    GridPlayer player(window_, seed);
    ASSERT_EQ(player.Play(kWarmUpSlides), "");
    const auto before = ResidentKiB();
    ASSERT_EQ(player.Play(SlidesPerBoard() - kWarmUpSlides), "");
    const auto after = ResidentKiB();
    EXPECT_EQ(player.Slides(), SlidesPerBoard());
    // Every slide took three events, and one event in eight was refused.
    EXPECT_GT(player.Events(), 3 * player.Slides());
    if (!kMemoryIsQuarantined && before && after) {
      EXPECT_LT(*after - *before, kMaxGrowthKiB) << "resident memory grew during play";
    }
  }
};

TEST_F(SoakTest, SlidesOnABoardThatFitsItsGrid) { Soak(200, 150, 11); }

// Pieces of 117 x 112: only part of the board is in view, so cells are
// clicked half shown and the grid scrolls under the selection.
TEST_F(SoakTest, SlidesOnABoardThatScrolls) { Soak(589, 564, 12); }

// The clock-second-1 deal and deals with the blank in the last cells, each
// played home by double-clicks on the board.
TEST_F(SoakTest, DealsArePlayedHomeThroughTheGrid) {
  Open(formtest::WriteBmp(dir_, "home.bmp", formtest::PatternPicture(200, 150)));
  for (std::int64_t seconds : {1, 11, 18, 50}) {
    Start(seconds);
    GridPlayer player(window_, static_cast<std::uint64_t>(seconds));
    ASSERT_EQ(player.PlayHome(), "") << "second " << seconds;
    EXPECT_TRUE(View().Game().IsComplete());
  }
}

}  // namespace
}  // namespace soak
