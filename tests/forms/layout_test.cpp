// layout_test.cpp: the main window as it opens, and as it follows resizing.
#include <algorithm>
#include <tuple>

#include "classlib/modal.h"
#include "forms/mainwindow_fixture.h"
#include "support/driver.h"

using namespace classlib;

namespace formtest {
namespace {

// Left, top, width and height in the parent's client area.
struct Place {
  int Left, Top, Width, Height;
  friend bool operator==(const Place&, const Place&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Place& p) {
    return out << "(" << p.Left << ", " << p.Top << ", " << p.Width << " x " << p.Height << ")";
  }
};

Place Geometry(const TControl* c) { return {c->Left(), c->Top(), c->Width(), c->Height()}; }

// Every component's place as designed; the resize test expects it back.
void ExpectDesignedGeometry(const TFrmFR0010MN* w) {
  const std::pair<const TControl*, Place> designed[] = {
      {w->PnlTop, {0, 0, 632, 49}},      {w->PnlLeft, {0, 49, 273, 385}},
      {w->PnlMain, {273, 49, 359, 385}}, {w->PnlCaption, {0, 0, 359, 40}},
      {w->DGMain, {0, 40, 359, 345}},    {w->DGSub, {12, 40, 245, 245}},
      {w->ImgHint, {12, 8, 120, 32}},    {w->ImgLogo, {0, 304, 273, 81}},
      {w->ImgCaption, {0, 8, 120, 32}},  {w->SpbOpen, {8, 8, 33, 33}},
      {w->SpbStart, {48, 8, 33, 33}},    {w->SpbExit, {88, 8, 33, 33}},
      {w->Bevel1, {43, 8, 6, 33}},       {w->Bevel2, {83, 8, 6, 33}}};
  for (const auto& [widget, rect] : designed) EXPECT_EQ(Geometry(widget), rect) << widget;
}

TEST_F(MainWindowTest, OpensAtTheDesignedGeometry) {
  ExpectDesignedGeometry(window_);
  // The outer size is the client's plus the system's frame and menu bar.
  EXPECT_EQ(std::pair(window_->Left(), window_->Top()), std::pair(200, 107));
  // The window's client area, then the board's and the preview's.
  EXPECT_EQ(std::tuple(window_->ClientWidth(), window_->ClientHeight(), window_->DGMain->ClientWidth(),
                       window_->DGMain->ClientHeight(), window_->DGSub->ClientWidth(),
                       window_->DGSub->ClientHeight()),
            std::tuple(632, 434, 355, 341, 241, 241));
}

TEST_F(MainWindowTest, ResizingMovesOnlyTheAlignedStrips) {
  window_->SetClientSize(632 + 100, 434 + 50);
  EXPECT_EQ(Geometry(window_->PnlTop), Place(0, 0, 732, 49));
  EXPECT_EQ(Geometry(window_->PnlLeft), Place(0, 49, 273, 435));
  EXPECT_EQ(Geometry(window_->PnlMain), Place(273, 49, 459, 435));
  EXPECT_EQ(Geometry(window_->DGMain), Place(0, 40, 459, 395));
  EXPECT_EQ(Geometry(window_->ImgLogo), Place(0, 354, 273, 81));
  EXPECT_EQ(Geometry(window_->DGSub), Place(12, 40, 245, 245));
  EXPECT_EQ(Geometry(window_->ImgHint), Place(12, 8, 120, 32));

  // Shorter than designed: the logo strip rides up under the preview grid,
  // which, made later, stays in front of it.
  window_->SetClientSize(632, 300);
  EXPECT_EQ(Geometry(window_->ImgLogo), Place(0, 170, 273, 81));
  const std::vector<TControl*>& siblings = window_->PnlLeft->Controls();
  EXPECT_GT(std::ranges::find(siblings, window_->DGSub), std::ranges::find(siblings, window_->ImgLogo));

  // So small that the strips no longer fit: they shrink to nothing, and come
  // back when there is room again.
  window_->SetClientSize(100, 30);
  EXPECT_EQ(std::tuple(window_->PnlTop->Height(), window_->PnlLeft->Height(), window_->PnlMain->Width()),
            std::tuple(30, 0, 0));
  window_->SetClientSize(632, 434);
  ExpectDesignedGeometry(window_);
}

// Before a picture only Open, Exit and About work; the grids take no input.
TEST_F(MainWindowTest, OnlyOpenExitAndAboutWorkBeforeAPicture) {
  EXPECT_EQ(window_->Caption(), "Tessra");
  EXPECT_EQ(std::tuple(window_->SpbStart->Enabled(), window_->MnuStart->Enabled(),
                       window_->DGMain->Enabled(), window_->DGSub->Enabled()),
            std::tuple(false, false, false, false));
  EXPECT_TRUE(window_->SpbOpen->Enabled() && window_->SpbExit->Enabled());
  EXPECT_TRUE(window_->MnuOpen->Enabled() && window_->MnuExit->Enabled() &&
              window_->MnuAbout->Enabled());
  ClickCell(2, 2);
  testdriver::PressKey(window_->DGMain, VK_DOWN);
  EXPECT_EQ(std::pair(window_->DGMain->Col(), window_->DGMain->Row()), std::pair(0, 0));
}

TEST_F(MainWindowTest, MenuItemsAndButtonsShareTheirCommands) {
  // The dialog is asked from both, and a cancelled one changes nothing.
  SetNextModalAnswer(std::nullopt);
  testdriver::Choose(window_->MnuOpen);
  SetNextModalAnswer(std::nullopt);
  testdriver::Click(window_->SpbOpen);
  EXPECT_FALSE(View().PictureReady());
  SetNextModalAnswer(TFileAnswer(TString(WriteBmp(dir_, "a.bmp", PatternPicture(200, 200)))));
  testdriver::Choose(window_->MnuOpen);
  ASSERT_TRUE(window_->MnuStart->Enabled());
  View().SetClock([] { return std::int64_t{1}; });
  testdriver::Choose(window_->MnuStart);
  EXPECT_TRUE(View().Game().Playing);
  EXPECT_EQ(View().Game().BlankPiece, 21);
}

}  // namespace
}  // namespace formtest
