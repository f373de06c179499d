// layout_test.cpp: the main window as it opens, and as it follows resizing.
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <tuple>

#include "classlib/modal.h"
#include "classlib/qt/qstring.h"
#include "forms/mainwindow_fixture.h"
#include "support/driver.h"

using namespace classlib;

namespace formtest {
namespace {

QRect Geometry(const QWidget* w) { return w->geometry(); }

// Every component's place as designed; the resize test expects it back.
void ExpectDesignedGeometry(const TFrmFR0010MN* w) {
  const std::pair<const QWidget*, QRect> designed[] = {
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
  // The window's client area, then the board's and the preview's.
  EXPECT_EQ(std::tuple(window_->ClientWidth(), window_->ClientHeight(), window_->DGMain->ClientWidth(),
                       window_->DGMain->ClientHeight(), window_->DGSub->ClientWidth(),
                       window_->DGSub->ClientHeight()),
            std::tuple(632, 434, 355, 341, 241, 241));
}

TEST_F(MainWindowTest, ResizingMovesOnlyTheAlignedStrips) {
  const int menu = window_->height() - window_->ClientHeight();
  window_->resize(632 + 100, 434 + 50 + menu);
  EXPECT_EQ(Geometry(window_->PnlTop), QRect(0, 0, 732, 49));
  EXPECT_EQ(Geometry(window_->PnlLeft), QRect(0, 49, 273, 435));
  EXPECT_EQ(Geometry(window_->PnlMain), QRect(273, 49, 459, 435));
  EXPECT_EQ(Geometry(window_->DGMain), QRect(0, 40, 459, 395));
  EXPECT_EQ(Geometry(window_->ImgLogo), QRect(0, 354, 273, 81));
  EXPECT_EQ(Geometry(window_->DGSub), QRect(12, 40, 245, 245));
  EXPECT_EQ(Geometry(window_->ImgHint), QRect(12, 8, 120, 32));

  // Shorter than designed: the logo strip rides up under the preview grid,
  // which stays in front of it.
  window_->resize(632, 300 + menu);
  EXPECT_EQ(Geometry(window_->ImgLogo), QRect(0, 170, 273, 81));
  const QObjectList& siblings = window_->PnlLeft->children();
  EXPECT_GT(siblings.indexOf(window_->DGSub), siblings.indexOf(window_->ImgLogo));

  // So small that the strips no longer fit: they shrink to nothing, and come
  // back when there is room again.
  window_->resize(100, 30 + menu);
  EXPECT_EQ(std::tuple(window_->PnlTop->height(), window_->PnlLeft->height(), window_->PnlMain->width()),
            std::tuple(30, 0, 0));
  window_->resize(632, 434 + menu);
  ExpectDesignedGeometry(window_);
}

// Before a picture only Open, Exit and About work; the grids take no input.
TEST_F(MainWindowTest, OnlyOpenExitAndAboutWorkBeforeAPicture) {
  EXPECT_EQ(window_->Caption(), "Tessra");
  EXPECT_EQ(std::tuple(window_->SpbStart->isEnabled(), window_->MnuStart->Enabled(),
                       window_->DGMain->isEnabled(), window_->DGSub->isEnabled()),
            std::tuple(false, false, false, false));
  EXPECT_TRUE(window_->SpbOpen->isEnabled() && window_->SpbExit->isEnabled());
  EXPECT_TRUE(window_->MnuOpen->Enabled() && window_->MnuExit->Enabled() &&
              window_->MnuAbout->Enabled());
  ClickCell(2, 2);
  testdriver::PressKey(window_->DGMain, VK_DOWN);
  EXPECT_EQ(std::pair(window_->DGMain->Col(), window_->DGMain->Row()), std::pair(0, 0));
}

TEST_F(MainWindowTest, MenuItemsAndButtonsShareTheirCommands) {
  // The dialog is asked from both, and a cancelled one changes nothing.
  SetNextModalAnswer(std::nullopt);
  window_->MnuOpen->Action()->trigger();
  SetNextModalAnswer(std::nullopt);
  testdriver::Click(window_->SpbOpen);
  EXPECT_FALSE(View().PictureReady());
  SetNextModalAnswer(classlib::FromQString(WriteBmp(dir_, "a.bmp", PatternPicture(200, 200))));
  window_->MnuOpen->Action()->trigger();
  ASSERT_TRUE(window_->MnuStart->Enabled());
  View().SetClock([] { return std::int64_t{1}; });
  window_->MnuStart->Action()->trigger();
  EXPECT_TRUE(View().Game().Playing);
  EXPECT_EQ(View().Game().BlankPiece, 21);
}

// With a screen reader, the bridge posts each key late, after asking the
// reader; the Alt of Alt+F then reaches the menu its F already opened. That
// copy must not close the menu, while a later Alt (after another key) does.
TEST_F(MainWindowTest, AltKeysReachTheMenus) {
  const auto post = [this](QEvent::Type type, Qt::Key key) {
    QCoreApplication::postEvent(window_->windowHandle(), new QKeyEvent(type, key, Qt::NoModifier));
    QCoreApplication::processEvents();
  };
  const struct {
    const char* What;
    bool Late;       // the F's release comes as a late copy, not at once
    bool FirstAlt;   // a late copy of an Alt press arrives first
    bool SecondAlt;  // ... or after the F's release
    bool MenuStays;
  } rows[] = {
      {"no screen reader", false, false, false, true},
      {"the chord's Alt, late", true, true, false, true},
      {"the player's Alt after the chord", true, false, true, false},
  };
  QMenu* file = window_->MnuFile->Menu();
  for (const auto& r : rows) {
    QTest::keyPress(window_->windowHandle(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([file] { return file->isVisible(); }, 60000)) << r.What;
    if (r.FirstAlt) post(QEvent::KeyPress, Qt::Key_Alt);
    if (r.Late) post(QEvent::KeyRelease, Qt::Key_F);
    else QTest::keyRelease(window_->windowHandle(), Qt::Key_F, Qt::AltModifier);
    if (r.SecondAlt) post(QEvent::KeyPress, Qt::Key_Alt);
    EXPECT_EQ(file->isVisible(), r.MenuStays) << r.What;
    if (!file->isVisible()) continue;
    int opened = 0;
    const auto asked = QObject::connect(window_->MnuOpen->Action(), &QAction::triggered, [&] { ++opened; });
    SetNextModalAnswer(std::nullopt);
    QTest::keyClick(file, Qt::Key_O);
    QObject::disconnect(asked);
    EXPECT_EQ(opened, 1) << r.What;
    EXPECT_TRUE(QTest::qWaitFor([file] { return !file->isVisible(); }, 60000)) << r.What;
  }
}

}  // namespace
}  // namespace formtest
