// mainwindow_fixture.cpp: the main window under test.
#include "forms/mainwindow_fixture.h"

#include "classlib/application.h"
#include "classlib/modal.h"
#include "classlib/msgdialog.h"
#include <deque>
#include <map>

#include "support/bmp_bytes.h"
#include "support/board_solver.h"
#include "support/driver.h"
#include "support/image_compare.h"
#include "support/message_box.h"

using namespace classlib;

namespace formtest {

platform::Surface PatternPicture(int width, int height) {
  platform::Surface picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.SetPixel(x, y, platform::Rgb((x * 7) & 0xFF, (y * 5) & 0xFF, ((x + y) * 3) & 0xFF));
    }
  }
  return picture;
}

std::string WriteBmp(const testsupport::TempDir& dir, const std::string& name, const platform::Surface& picture) {
  const std::string path = dir.FilePath(name);
  testsupport::WriteFile(testsupport::Utf8Path(path), testsupport::Bmp24(picture).Build());
  return path;
}

void MainWindowTest::SetUp() {
  ClearModalAnswers();
  // A box no test asked for is recorded, so that the test fails, and closed
  // at once rather than left waiting for a player.
  SetUnansweredModal([this](TForm* box) {
    const std::string text = testsupport::ReadBox(box).Text.Utf8();
    ADD_FAILURE() << "a box no test expected: " << text;
    boxTexts_.push_back(text);
    return mrCancel;
  });
  Application->SetTitle("Tessra");
  Recreate();
}

void MainWindowTest::TearDown() {
  Application->DestroyForms();
  SetUnansweredModal({});
  EXPECT_EQ(ClearModalAnswers(), 0) << "a queued box answer or file name was never used";
}

void MainWindowTest::Recreate() {
  Application->DestroyForms();
  Application->CreateForm(FrmFR0010MN);
  window_ = FrmFR0010MN;
  ASSERT_TRUE(testdriver::ShowAndWait(window_));
}

void MainWindowTest::ExpectBox() {
  SetNextModalAnswer([this](TForm* box) {
    const testsupport::BoxShown shown = testsupport::ReadBox(box);
    boxTexts_.push_back(shown.Text.Utf8());
    boxCaptions_.push_back(box->Caption().Utf8());
    boxTypes_.push_back(shown.Type);
    return mrOk;
  });
}

void MainWindowTest::Open(const std::string& path) {
  SetNextModalAnswer(TFileAnswer(TString(path)));
  window_->MnuOpenClick(window_->SpbOpen);
}

void MainWindowTest::OpenRecorded(const std::string& path) {
  boxTexts_.clear();
  boxCaptions_.clear();
  boxTypes_.clear();
  ExpectBox();
  Open(path);
  if (boxTexts_.empty()) ClearModalAnswers();
}

void MainWindowTest::Start(std::int64_t seconds) {
  View().SetClock([seconds] { return seconds; });
  testdriver::Click(window_->SpbStart);
}

void MainWindowTest::ClickCell(int col, int row) { testdriver::ClickCell(window_->DGMain, col, row); }

void MainWindowTest::DoubleClickCell(int col, int row) {
  testdriver::DoubleClickCell(window_->DGMain, col, row);
}

namespace {

// The arrow keys that take the selection from `from` to `to` round the
// blank, found breadth first.
std::vector<TKeyCode> ArrowsBetween(int from, int to, int blank) {
  std::map<int, std::vector<TKeyCode>> paths{{from, {}}};
  for (std::deque<int> queue{from}; !queue.empty() && !paths.count(to); queue.pop_front()) {
    const int cell = queue.front();
    const std::pair<TKeyCode, int> steps[] = {{VK_LEFT, cell % 5 > 0 ? cell - 1 : -1},
                                              {VK_RIGHT, cell % 5 < 4 ? cell + 1 : -1},
                                              {VK_UP, cell - 5}, {VK_DOWN, cell + 5}};
    for (const auto& [key, next] : steps) {
      if (next < 0 || next > 24 || next == blank || paths.count(next)) continue;
      (paths[next] = paths[cell]).push_back(key);
      queue.push_back(next);
    }
  }
  return paths.at(to);
}

}  // namespace

bool MainWindowTest::PlayHome(Hands hands) {
  TDrawGrid* board = window_->DGMain;
  const auto slides = testsupport::SolveBoard(View().Game().PieceMap, View().Game().BlankPiece);
  if (!slides) return false;
  for (int cell : *slides) {
    if (!View().Game().Playing) return false;
    if (hands == Hands::Mouse) {
      DoubleClickCell(cell % 5, cell / 5);
      continue;
    }
    const int current = board->Row() * 5 + board->Col();
    for (TKeyCode key : ArrowsBetween(current, cell, View().Game().BlankCell())) testdriver::PressKey(board, key);
    testdriver::PressKey(board, VK_RETURN);
  }
  return true;
}

void MainWindowTest::ExpectRefusedAndUsable() {
  EXPECT_FALSE(View().PictureReady());
  EXPECT_FALSE(window_->SpbStart->Enabled());
  OpenRecorded(WriteBmp(dir_, "usable.bmp", PatternPicture(200, 150)));
  ASSERT_TRUE(boxTexts_.empty()) << boxTexts_[0];
  ASSERT_TRUE(View().PictureReady() && window_->SpbStart->Enabled());
  Start(5);
  EXPECT_TRUE(View().Game().Playing);
}

void MainWindowTest::ArrangeOneSlideFromHome(int blankPiece) {
  View().Game().ResetPieces();
  std::swap(View().Game().PieceMap[blankPiece], View().Game().PieceMap[blankPiece + 1]);
  View().Game().BlankPiece = blankPiece;
}

namespace {

platform::Surface CellPixels(const TDrawGrid* grid, int col, int row) {
  const TRect r = grid->CellRect(col, row);
  return testsupport::Crop(testdriver::GrabCells(grid), r.Left, r.Top, r.Width(), r.Height());
}

}  // namespace

platform::Surface MainWindowTest::BoardCellPixels(int col, int row) const {
  return CellPixels(window_->DGMain, col, row);
}

platform::Surface MainWindowTest::PreviewCellPixels(int col, int row) const {
  return CellPixels(window_->DGSub, col, row);
}

}  // namespace formtest
