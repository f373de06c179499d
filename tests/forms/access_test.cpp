// access_test.cpp: the main window as a screen reader sees it: named
// buttons and pictures, and two tables of cells whose names, selection and
// default action follow the game.
#include <QAccessible>
#include <QTest>

#include "forms/mainwindow_fixture.h"

using namespace classlib;

namespace formtest {
namespace {

QAccessibleInterface* Iface(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

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
  for (QObject* object : std::initializer_list<QObject*>{window_->SpbOpen, window_->SpbStart, window_->SpbExit,
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
  EXPECT_EQ(cell7, QRect(window_->DGMain->viewport()->mapToGlobal(QPoint(80, 40)), QSize(40, 40)));
  EXPECT_EQ(Iface(window_->DGMain)->childAt(cell7.center().x(), cell7.center().y()), Cell(window_->DGMain, 7));
  QTest::keyClick(window_->DGMain, Qt::Key_Right);
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

}  // namespace
}  // namespace formtest
