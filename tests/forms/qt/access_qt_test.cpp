// access_qt_test.cpp: the main window as a screen reader sees it: named
// buttons and pictures, two tables of cells whose names, selection and
// default action follow the game, and a whole game played from the keys.
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QKeyEvent>
#include <QTest>

#include "classlib/qt/peers.h"
#include "forms/mainwindow_fixture.h"
#include "support/driver.h"
#include "support/board_solver.h"

using namespace classlib;

namespace formtest {
namespace {

QAccessibleInterface* Iface(const TControl* control) {
  return QAccessible::queryAccessibleInterface(WidgetOf(*control));
}

class AccessTest : public MainWindowTest {
 protected:
  QAccessibleInterface* Cell(TDrawGrid* grid, int cell) {
    return Iface(grid)->tableInterface()->cellAt(cell / 5, cell % 5);
  }
  QStringList Names(TDrawGrid* grid, std::initializer_list<int> cells) {
    QStringList names;
    for (int cell : cells) names << Cell(grid, cell)->text(QAccessible::Name);
    return names;
  }
  QStringList Board(std::initializer_list<int> cells) { return Names(window_->DGMain, cells); }
  void Press(int cell) {
    Cell(window_->DGMain, cell)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  }
  bool Selected(TDrawGrid* grid, int cell) { return Cell(grid, cell)->state().selected; }
};

TEST_F(AccessTest, ButtonsPicturesAndGridsHaveNames) {
  QStringList names;
  for (const TControl* object : std::initializer_list<const TControl*>{window_->SpbOpen, window_->SpbStart, window_->SpbExit,
                                                          window_->ImgHint, window_->ImgCaption, window_->ImgLogo,
                                                          window_->DGMain, window_->DGSub}) {
    names << Iface(object)->text(QAccessible::Name);
  }
  EXPECT_EQ(names, QStringList({"ﾌｧｲﾙを開く", "ｼｬｯﾌﾙ", "閉じる", "Hint View", "Main View", "Tessra", "盤", "見本"}));
  EXPECT_EQ(Iface(window_->ImgLogo)->role(), QAccessible::Graphic);
  EXPECT_EQ(std::tuple(Iface(window_->DGSub)->role(), Iface(window_->DGSub)->childCount(),
                       Iface(window_->DGSub)->tableInterface()->columnCount()),
            std::tuple(QAccessible::Table, 25, 5));
  EXPECT_EQ(Board({24}) + Names(window_->DGSub, {13}), QStringList({"ピース 25", "ピース 14 の場所"}));
  // Before a game the board takes no input, so it offers no action.
  EXPECT_TRUE(Cell(window_->DGMain, 0)->actionInterface()->actionNames().isEmpty());
}

TEST_F(AccessTest, NamesSelectionAndActionFollowTheGame) {
  Open(WriteBmp(dir_, "pattern.bmp", PatternPicture(200, 200)));
  Start(1);  // piece 21 is missing; its cell 3 is the blank
  EXPECT_EQ(Board({3, 0}), QStringList({"空きマス", "ピース 16"}));
  EXPECT_EQ(Names(window_->DGSub, {21}), QStringList{"ピース 22 の場所（抜けたピース）"});
  EXPECT_TRUE(Selected(window_->DGMain, 0));
  EXPECT_TRUE(Selected(window_->DGSub, 15)) << "piece 15's home";
  const QRect cell7 = Cell(window_->DGMain, 7)->rect();  // pieces of 40 x 40
  EXPECT_EQ(cell7, QRect(static_cast<QAbstractScrollArea*>(WidgetOf(*window_->DGMain))->viewport()->mapToGlobal(QPoint(80, 40)), QSize(40, 40)));
  EXPECT_EQ(Iface(window_->DGMain)->childAt(cell7.center().x(), cell7.center().y()), Cell(window_->DGMain, 7));
  testdriver::PressKey(window_->DGMain, VK_RIGHT);
  EXPECT_TRUE(Selected(window_->DGMain, 1) && !Selected(window_->DGMain, 0));
  ClickCell(2, 0);
  // Pressing the blank does not select it; the selected piece 8 beside it
  // slides in, as with a double-click. Then piece 24 slides right.
  Press(3);
  EXPECT_EQ(Board({3, 2}), QStringList({"ピース 9", "空きマス"}));
  Press(1);
  EXPECT_EQ(Board({2, 1}), QStringList({"ピース 25", "空きマス"}));
  EXPECT_TRUE(Selected(window_->DGMain, 2));

  // One slide from home: the end of the game shows in the names at once.
  ArrangeOneSlideFromHome(12);
  Press(12);
  EXPECT_FALSE(View().Game().Playing);
  EXPECT_EQ(Board({12, 13}) + Names(window_->DGSub, {12}), QStringList({"ピース 13", "ピース 14", "ピース 13 の場所"}));
}

TEST_F(AccessTest, AGameFromTheKeysIsHeardToTheEnd) {
  Open(WriteBmp(dir_, "pattern.bmp", PatternPicture(200, 200)));
  Start(1);  // piece 21 is missing; its cell 3 is the blank; pieces 14 and 19 are home
  TDrawGrid* board = window_->DGMain;
  QAccessibleInterface* table = Iface(board);
  EXPECT_EQ(Board({14, 19, 0}), QStringList({"ピース 15 正しい位置", "ピース 20 正しい位置", "ピース 16"}));
  EXPECT_EQ(table->text(QAccessible::Description), "24 枚のうち 22 枚のピースが正しい位置にありません。");
  // Space slides piece 8 into the blank; its new cell speaks it and then the progress, until
  // the selection moves on. Enter does the same; a held key does not repeat it.
  for (TKeyCode key : {VK_RIGHT, VK_RIGHT, VK_SPACE}) testdriver::PressKey(board, key);
  EXPECT_EQ(View().Game().PieceMap[3], 8);
  EXPECT_TRUE(Selected(board, 3));
  EXPECT_EQ(Cell(board, 3)->text(QAccessible::Name), "ピース 9");
  EXPECT_EQ(Cell(board, 3)->text(QAccessible::Description), "24 枚のうち 22 枚のピースが正しい位置にありません。");
  testdriver::PressKey(board, VK_DOWN);
  EXPECT_EQ(Cell(board, 8)->text(QAccessible::Description), "");
  testdriver::PressKey(board, VK_UP);
  QTest::keyPress(WidgetOf(*board), Qt::Key_Return);
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  QCoreApplication::sendEvent(WidgetOf(*board), &held);
  EXPECT_EQ(View().Game().PieceMap[2], 8) << "one slide back, not two";

  ASSERT_TRUE(PlayHome(Hands::Keys));
  EXPECT_FALSE(View().Game().Playing);
  EXPECT_TRUE(View().Game().IsComplete());
  EXPECT_TRUE(boxTexts_.empty());
  const QString whole = "完成しました。すべてのピースが正しい位置にあります。";
  EXPECT_EQ(Cell(board, board->Row() * 5 + board->Col())->text(QAccessible::Description), whole);
  EXPECT_EQ(table->text(QAccessible::Description), whole);
  // A new game is described afresh.
  Start(1);
  EXPECT_EQ(table->text(QAccessible::Description), "24 枚のうち 22 枚のピースが正しい位置にありません。");
}

}  // namespace
}  // namespace formtest
