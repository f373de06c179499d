// game_test.cpp: the whole road of a picture: open, deal, select, slide and
// complete, driven through the window's real controls.

#include "forms/mainwindow_fixture.h"
#include "support/driver.h"
#include "support/image_compare.h"

using namespace classlib;

namespace formtest {
namespace {

// The seed-1 deal, row by row; cell 3 holds the missing piece 21.
constexpr std::array<int, 25> kSeedOneDeal = {15, 24, 8,  21, 7,  6,  16, 12, 18,
                                              4,  17, 0,  9,  3,  14, 20, 1,  10,
                                              22, 19, 13, 11, 23, 2,  5};

// Every test starts from the seed-1 deal of a 200 x 200 pattern.
class GameTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Open(WriteBmp(dir_, "pattern.bmp", picture_));
    ASSERT_TRUE(View().PictureReady());
    Start(1);
  }

  // The current cells of the board and of the preview, as (col, row).
  std::pair<int, int> Selected() const { return {window_->DGMain->Col(), window_->DGMain->Row()}; }
  std::pair<int, int> Marked() const { return {window_->DGSub->Col(), window_->DGSub->Row()}; }

  const platform::Surface picture_ = PatternPicture(200, 200);
};

TEST_F(GameTest, StartDealsFromTheClockAndSelectsTheTopRow) {
  EXPECT_EQ(std::pair(View().Game().Playing, window_->DGMain->Enabled()), std::pair(true, true));
  EXPECT_EQ(View().Game().PieceMap, kSeedOneDeal);
  EXPECT_EQ(Selected(), std::pair(0, 0));
  EXPECT_EQ(Marked(), std::pair(0, 3)) << "piece 15's home";
  // The same second deals the same game again.
  Start(1);
  EXPECT_EQ(View().Game().PieceMap, kSeedOneDeal);
  // The selection starts at the first cell of the top row unless the blank
  // lies there (about one in 25). That every deal can be brought home is the
  // puzzle tests' to show.
  int blankFirst = 0;
  for (std::int64_t seconds = 1700000000; seconds < 1700002000; ++seconds) {
    Start(seconds);
    const bool blankInCellZero = View().Game().PieceMap[0] == View().Game().BlankPiece;
    blankFirst += blankInCellZero;
    ASSERT_EQ(Selected(), std::pair(blankInCellZero ? 1 : 0, 0)) << seconds;
  }
  EXPECT_GT(blankFirst, 40);
}

TEST_F(GameTest, SelectionRefusesTheBlankByClickAndByKeys) {
  ClickCell(3, 0);  // the blank
  EXPECT_EQ(window_->DGMain->Col(), 0);
  ClickCell(2, 0);
  EXPECT_EQ(Selected(), std::pair(2, 0));
  EXPECT_EQ(Marked(), std::pair(3, 1)) << "piece 8's home";
  testdriver::PressKey(window_->DGMain, VK_RIGHT);  // towards the blank
  EXPECT_EQ(window_->DGMain->Col(), 2);
  testdriver::PressKey(window_->DGMain, VK_DOWN);
  EXPECT_EQ(window_->DGMain->Row(), 1);
}

TEST_F(GameTest, DoubleClickSlidesTheSelectedPieceIntoTheBlank) {
  // Piece 8 at cell 2 beside the blank at cell 3.
  DoubleClickCell(2, 0);
  EXPECT_EQ(std::pair(View().Game().PieceMap[2], View().Game().PieceMap[3]), std::pair(21, 8));
  EXPECT_EQ(std::pair(Selected(), Marked()), std::pair(std::pair(3, 0), std::pair(3, 1)));

  // A double-click on the blank does not select it; it acts on the piece
  // that was selected, which now stands beside the blank again.
  DoubleClickCell(2, 0);
  EXPECT_EQ(std::pair(View().Game().PieceMap[2], View().Game().PieceMap[3]), std::pair(8, 21));
  EXPECT_EQ(window_->DGMain->Col(), 2);

  // A piece with no blank beside it stays where it is.
  const auto before = View().Game().PieceMap;
  DoubleClickCell(0, 4);
  EXPECT_EQ(View().Game().PieceMap, before);
}

TEST_F(GameTest, TheLastSlideEndsTheGameSilently) {
  ArrangeOneSlideFromHome(12);
  // Cell 12 holds piece 13 and the blank is cell 13: sliding it right brings
  // every piece home, the missing one included.
  ClickCell(2, 2);
  DoubleClickCell(2, 2);
  EXPECT_FALSE(View().Game().Playing);
  EXPECT_TRUE(boxTexts_.empty());
  // The board shows the whole picture again, the missing piece included.
  const int pw = View().PieceWidth(), ph = View().PieceHeight();
  for (int cell : {0, 12, 13, 24}) {
    EXPECT_TRUE(testsupport::SameImage("complete-cell-" + std::to_string(cell), BoardCellPixels(cell % 5, cell / 5),
                                       testsupport::Crop(picture_, (cell % 5) * pw, (cell / 5) * ph, pw, ph)));
  }
  // Double-clicks now do nothing, while cells can still be selected.
  DoubleClickCell(1, 2);
  EXPECT_EQ(View().Game().PieceMap[12], 12);
  EXPECT_EQ(window_->DGMain->Col(), 1);
}

// Every slide of a whole game, from the keys (the arrows, then Enter) and
// from the mouse; the last one brings the whole picture back.
class WholeGameTest : public GameTest, public testing::WithParamInterface<Hands> {};

TEST_P(WholeGameTest, IsPlayedHome) {
  ASSERT_TRUE(PlayHome(GetParam()));
  EXPECT_FALSE(View().Game().Playing);
  EXPECT_TRUE(View().Game().IsComplete());
  EXPECT_TRUE(boxTexts_.empty());
  const int pw = View().PieceWidth(), ph = View().PieceHeight();
  EXPECT_TRUE(testsupport::SameImage("home-cell-3", BoardCellPixels(3, 0), testsupport::Crop(picture_, 3 * pw, 0, pw, ph)));
}

INSTANTIATE_TEST_SUITE_P(ByHand, WholeGameTest, testing::Values(Hands::Keys, Hands::Mouse),
                         [](const auto& info) { return info.param == Hands::Keys ? "FromTheKeys" : "FromTheMouse"; });

TEST_F(GameTest, CancelledOpenLeavesTheGameRunning) {
  ClickCell(2, 1);
  SetNextModalAnswer(std::nullopt);
  window_->MnuOpenClick(window_->SpbOpen);
  EXPECT_TRUE(View().Game().Playing);
  EXPECT_EQ(View().Game().PieceMap, kSeedOneDeal);
  EXPECT_TRUE(window_->SpbStart->Enabled());
  EXPECT_EQ(std::pair(Selected(), Marked()), std::pair(std::pair(0, 0), std::pair(0, 0)));
}

TEST_F(GameTest, FailedOpenAfterAGoodOneDisablesStartAndShowsSilver) {
  const std::string narrow = WriteBmp(dir_, "small.bmp", PatternPicture(119, 500));
  ExpectBox();
  Open(narrow);
  ASSERT_EQ(boxTexts_.size(), 1u);
  EXPECT_EQ(boxTexts_[0], "120 × 120 [Pixel] 以上のビットマップを指定してください。");
  EXPECT_EQ(boxCaptions_[0], "Tessra");
  EXPECT_EQ(std::tuple(View().PictureReady(), View().Game().Playing, window_->SpbStart->Enabled(),
                       window_->MnuStart->Enabled()),
            std::tuple(false, false, false, false));
  // The board keeps the first picture's cell size, painted plain silver.
  EXPECT_EQ(window_->DGMain->ColWidth(4), 40);
  const platform::Surface silver(40, 40, clSilver);
  EXPECT_TRUE(testsupport::SameImage("failed-board", BoardCellPixels(1, 1), silver));
  EXPECT_TRUE(testsupport::SameImage("failed-preview", PreviewCellPixels(1, 1),
                                     platform::Surface(48, 48, clSilver)));
}

}  // namespace
}  // namespace formtest
