// picture_test.cpp: loading pictures into the window, their size rules, and
// what both grids paint in each state.
#include <QFile>
#include <QLabel>
#include <QTest>

#include "classlib/modal.h"
#include "classlib/msgdialog.h"
#include "forms/mainwindow_fixture.h"
#include "platform/qimage_bridge.h"
#include "support/image_compare.h"

using namespace classlib;

namespace formtest {
namespace {

const QString kTooSmall = QStringLiteral("120 × 120 [Pixel] 以上のビットマップを指定してください。");
const QString kTooLarge = QStringLiteral("ビットマップが大きすぎます。");

class PictureTest : public MainWindowTest {
 protected:
  // Opens a pattern picture of the given size; returns the refusal text, or
  // an empty string when it was accepted without a box.
  QString OpenSized(int width, int height) {
    const QString path = WriteBmp(dir_, QStringLiteral("p%1x%2.bmp").arg(width).arg(height),
                                  PatternPicture(width, height));
    boxTexts_.clear();
    SetNextModalAnswer([this](QWidget* box) {
      boxTexts_ << qobject_cast<TMessageForm*>(box)->Text();
      return mrOk;
    });
    Open(path);
    const QString text = boxTexts_.isEmpty() ? QString() : boxTexts_.constFirst();
    if (boxTexts_.isEmpty()) ClearModalAnswers();
    return text;
  }
};

TEST_F(PictureTest, SizeRulesAtTheDesignSize) {
  // The board's client area is 355 x 341: a piece must stay below 118 x 113.
  struct Case {
    int Width, Height;
    QString Refusal;
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
    EXPECT_EQ(window_->PictureReady, c.Refusal.isEmpty());
    EXPECT_EQ(window_->SpbStart->isEnabled(), c.Refusal.isEmpty());
  }
}

TEST_F(PictureTest, PiecesCutTheRemainderOffButThePreviewShowsItAll) {
  ASSERT_EQ(OpenSized(124, 130), QString());
  EXPECT_EQ(window_->PieceWidth, 24);
  EXPECT_EQ(window_->PieceHeight, 26);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(window_->DGMain->ColWidth(i), 24);
    EXPECT_EQ(window_->DGMain->RowHeight(i), 26);
  }
  EXPECT_EQ(window_->BmpSub->Width(), 241);
  EXPECT_EQ(window_->BmpSub->Height(), 241);
  // The preview's bottom-right corner comes from the picture's own corner,
  // which no board piece shows.
  const QImage picture = PatternPicture(124, 130);
  const platform::Color corner = window_->BmpSub->Surface().Pixel(240, 240);
  const QRgb source = picture.pixel(123, 129);
  EXPECT_NEAR(platform::RedOf(corner), qRed(source), 12);
  EXPECT_NEAR(platform::GreenOf(corner), qGreen(source), 12);
}

TEST_F(PictureTest, ARefusedPictureKeepsTheBoardGeometryOfTheLastGoodOne) {
  ASSERT_EQ(OpenSized(200, 150), QString());
  EXPECT_EQ(OpenSized(600, 150), kTooLarge);
  EXPECT_EQ(window_->DGMain->ColWidth(0), 40);
  EXPECT_EQ(window_->DGMain->RowHeight(0), 30);
  EXPECT_TRUE(testsupport::SameImage("refused-board", window_->DGMain->ClientSurface(),
                                     platform::Surface(355, 341, clSilver)));
}

TEST_F(PictureTest, UnreadableFilesEndInAWarningAndAUsableWindow) {
  const QString garbage = dir_.filePath("garbage.bmp");
  QFile file(garbage);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("this is not a picture");
  file.close();
  ExpectBox();
  Open(garbage);
  ASSERT_EQ(boxTexts_.size(), 1);
  EXPECT_TRUE(boxTexts_[0].contains(QStringLiteral("garbage.bmp"))) << boxTexts_[0].toStdString();
  EXPECT_FALSE(window_->PictureReady);
  ExpectBox();
  Open(dir_.filePath("missing.bmp"));
  EXPECT_EQ(boxTexts_.size(), 2);
  ExpectBox();
  Open(dir_.path());  // a folder typed into the dialog
  EXPECT_EQ(boxTexts_.size(), 3);
  // The window still takes a good picture afterwards.
  EXPECT_EQ(OpenSized(150, 150), QString());
  EXPECT_TRUE(window_->PictureReady);
}

TEST_F(PictureTest, BothGridsShowTheSameMissingPieceAsANegative) {
  ASSERT_EQ(OpenSized(200, 200), QString());
  Start(1);  // piece 21 is missing; its cell on the board is cell 3
  const QImage picture = PatternPicture(200, 200);
  const platform::Surface board = BoardCellPixels(3, 0);
  const platform::Surface preview = PreviewCellPixels(1, 4);
  const platform::Surface& scaled = window_->BmpSub->Surface();
  for (int y = 6; y < 34; y += 3) {
    for (int x = 6; x < 34; x += 3) {
      const QRgb p = picture.pixel(40 + x, 160 + y);
      ASSERT_EQ(board.Pixel(x, y), platform::Rgb(255 - qRed(p), 255 - qGreen(p), 255 - qBlue(p)));
    }
  }
  const platform::Color s = scaled.Pixel(48 + 40, 4 * 48 + 8);
  EXPECT_EQ(preview.Pixel(40, 8), platform::Rgb(255 - platform::RedOf(s),
                                                255 - platform::GreenOf(s),
                                                255 - platform::BlueOf(s)));
}

TEST_F(PictureTest, EraseMessagesAreSwallowedWithoutTouchingTheScreen) {
  ASSERT_EQ(OpenSized(200, 200), QString());
  for (TDrawGrid* grid : {window_->DGMain, window_->DGSub}) {
    const platform::Surface before = grid->ClientSurface();
    EXPECT_EQ(grid->Perform(WM_ERASEBKGND), 1);
    EXPECT_TRUE(testsupport::SameImage("erase", grid->ClientSurface(), before));
  }
}

}  // namespace
}  // namespace formtest
