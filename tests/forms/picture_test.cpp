// picture_test.cpp: loading pictures into the window, their size rules, and
// what both grids paint in each state.

#include <sstream>

#include "classlib/modal.h"
#include "forms/mainwindow_fixture.h"
#include "support/image_compare.h"

using namespace classlib;

namespace formtest {
namespace {

const std::string kTooSmall = "120 × 120 [Pixel] 以上のビットマップを指定してください。";
const std::string kTooLarge = "ビットマップが大きすぎます。";

class PictureTest : public MainWindowTest {
 protected:
  // Opens a pattern picture of the given size; returns the refusal text, or
  // an empty string when it was accepted without a box.
  std::string OpenSized(int width, int height) {
    std::ostringstream name;
    name << "p" << width << "x" << height << ".bmp";
    OpenRecorded(WriteBmp(dir_, name.str(), PatternPicture(width, height)));
    return boxTexts_.empty() ? std::string() : boxTexts_[0];
  }
};

TEST_F(PictureTest, SizeRulesAtTheDesignSize) {
  // The board's client area is 355 x 341: a piece must stay below 118 x 113.
  struct Case {
    int Width, Height;
    std::string Refusal;
  };
  const Case cases[] = {{120, 120, {}},        {119, 500, kTooSmall}, {500, 119, kTooSmall},
                        {589, 200, {}},        {590, 200, kTooLarge}, {200, 564, {}},
                        {200, 565, kTooLarge}, {100, 900, kTooSmall}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Width << " x " << c.Height);
    // Each on a fresh board: once a wide picture has made the board scroll,
    // the scroll bar takes its height from the client area.
    Recreate();
    EXPECT_EQ(OpenSized(c.Width, c.Height), c.Refusal);
    EXPECT_EQ(View().PictureReady(), c.Refusal.empty());
    EXPECT_EQ(window_->SpbStart->Enabled(), c.Refusal.empty());
  }
}

TEST_F(PictureTest, PiecesCutTheRemainderOffButThePreviewShowsItAll) {
  ASSERT_EQ(OpenSized(124, 130), "");
  EXPECT_EQ(std::pair(View().PieceWidth(), View().PieceHeight()), std::pair(24, 26));
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(std::pair(window_->DGMain->ColWidth(i), window_->DGMain->RowHeight(i)), std::pair(24, 26));
  }
  // The preview's bottom-right corner comes from the picture's own corner,
  // which no board piece shows.
  ASSERT_EQ(std::pair(View().BmpSub()->Width(), View().BmpSub()->Height()), std::pair(241, 241));
  const platform::Color corner = View().BmpSub()->Surface().Pixel(240, 240);
  const platform::Color source = PatternPicture(124, 130).Pixel(123, 129);
  EXPECT_NEAR(platform::RedOf(corner), platform::RedOf(source), 12);
  EXPECT_NEAR(platform::GreenOf(corner), platform::GreenOf(source), 12);
}

// The pixel rules are the cell painter's; here both grids paint the missing
// piece, piece 21 at board cell 3, as its negative.
TEST_F(PictureTest, BothGridsShowTheSameMissingPieceAsANegative) {
  ASSERT_EQ(OpenSized(200, 200), "");
  Start(1);
  auto negative = [](platform::Color p) { return p ^ 0x00FFFFFFu; };
  const platform::Color picture = PatternPicture(200, 200).Pixel(40 + 20, 160 + 10);
  EXPECT_EQ(BoardCellPixels(3, 0).Pixel(20, 10), negative(picture));
  const platform::Color scaled = View().BmpSub()->Surface().Pixel(48 + 40, 4 * 48 + 8);
  EXPECT_EQ(PreviewCellPixels(1, 4).Pixel(40, 8), negative(scaled));
}

// The grid's own procedure would fill the whole grid with its colour; the
// window's replacements answer the erase without touching a pixel.
TEST_F(PictureTest, EraseMessagesAreSwallowedWithoutTouchingTheScreen) {
  ASSERT_EQ(OpenSized(200, 200), "");
  for (TDrawGrid* grid : {window_->DGMain, window_->DGSub}) {
    const platform::Surface before = *grid->Canvas()->Handle();
    EXPECT_EQ(grid->Perform(WM_ERASEBKGND), 1);
    EXPECT_TRUE(testsupport::SameImage("erase", *grid->Canvas()->Handle(), before));
  }
}

}  // namespace
}  // namespace formtest
