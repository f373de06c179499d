// access_test.cpp: the main window as a screen reader sees it: named
// buttons and pictures, and two tables of cells whose names, selection and
// default action follow the game.
#include <QAccessible>
#include <QTest>

#include "forms/mainwindow_fixture.h"

using namespace classlib;

namespace formtest {
namespace {

QString Name(QObject* object) { return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name); }

class AccessTest : public MainWindowTest {
 protected:
  QAccessibleTableInterface* Table(TDrawGrid* grid) {
    return QAccessible::queryAccessibleInterface(grid)->tableInterface();
  }
  QString Board(int cell) { return Table(window_->DGMain)->cellAt(cell / 5, cell % 5)->text(QAccessible::Name); }
  QString Preview(int cell) { return Table(window_->DGSub)->cellAt(cell / 5, cell % 5)->text(QAccessible::Name); }
  void Press(int cell) {
    Table(window_->DGMain)->cellAt(cell / 5, cell % 5)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
  }
  int SelectedBoardCell() {
    const QList<QAccessibleInterface*> cells = Table(window_->DGMain)->selectedCells();
    EXPECT_EQ(cells.size(), 1);
    return cells[0]->tableCellInterface()->rowIndex() * 5 + cells[0]->tableCellInterface()->columnIndex();
  }
};

TEST_F(AccessTest, ButtonsPicturesAndGridsHaveNames) {
  EXPECT_EQ(Name(window_->SpbOpen), QStringLiteral("ﾌｧｲﾙを開く"));
  EXPECT_EQ(Name(window_->SpbStart), QStringLiteral("ｼｬｯﾌﾙ"));
  EXPECT_EQ(Name(window_->SpbExit), QStringLiteral("閉じる"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window_->SpbOpen)->role(), QAccessible::Button);
  EXPECT_EQ(Name(window_->ImgHint), QStringLiteral("Hint View"));
  EXPECT_EQ(Name(window_->ImgCaption), QStringLiteral("Main View"));
  EXPECT_EQ(Name(window_->ImgLogo), QStringLiteral("Tessra"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window_->ImgLogo)->role(), QAccessible::Graphic);
  EXPECT_EQ(Name(window_->DGMain), QStringLiteral("盤"));
  EXPECT_EQ(Name(window_->DGSub), QStringLiteral("見本"));
  EXPECT_EQ(Table(window_->DGSub)->rowCount() * Table(window_->DGSub)->columnCount(), 25);
  EXPECT_EQ(Board(24), QStringLiteral("ピース 25"));
  EXPECT_EQ(Preview(13), QStringLiteral("ピース 14 の場所"));
  // Before a game the board takes no input, so it offers no action.
  EXPECT_TRUE(Table(window_->DGMain)->cellAt(0, 0)->actionInterface()->actionNames().isEmpty());
}

TEST_F(AccessTest, NamesSelectionAndActionFollowTheGame) {
  Open(WriteBmp(dir_, "pattern.bmp", PatternPicture(200, 200)));
  Start(1);  // piece 21 is missing; its cell 3 is the blank
  EXPECT_EQ(Board(3), QStringLiteral("空きマス"));
  EXPECT_EQ(Board(0), QStringLiteral("ピース 16"));
  EXPECT_EQ(Preview(21), QStringLiteral("ピース 22 の場所（抜けたピース）"));
  EXPECT_EQ(SelectedBoardCell(), 0);
  EXPECT_TRUE(Table(window_->DGSub)->cellAt(3, 0)->state().selected) << "piece 15's home";
  QTest::keyClick(window_->DGMain, Qt::Key_Right);
  EXPECT_EQ(SelectedBoardCell(), 1);
  ClickCell(2, 0);
  EXPECT_EQ(SelectedBoardCell(), 2);

  // Pressing the blank does not select it; the selected piece 8 beside it
  // slides in, as with a double-click.
  Press(3);
  EXPECT_EQ(std::pair(Board(3), Board(2)), std::pair(QStringLiteral("ピース 9"), QStringLiteral("空きマス")));
  EXPECT_EQ(SelectedBoardCell(), 3);
  Press(1);  // piece 24 slides right into the blank
  EXPECT_EQ(std::pair(Board(2), Board(1)), std::pair(QStringLiteral("ピース 25"), QStringLiteral("空きマス")));
  EXPECT_EQ(SelectedBoardCell(), 2);

  // One slide from home: the end of the game shows in the names at once.
  auto& map = window_->Game.PieceMap;
  for (int i = 0; i < 25; ++i) map[static_cast<std::size_t>(i)] = i;
  std::swap(map[12], map[13]);
  window_->Game.BlankPiece = 12;
  Press(12);
  EXPECT_FALSE(window_->Game.Playing);
  EXPECT_EQ(std::pair(Board(12), Board(13)), std::pair(QStringLiteral("ピース 13"), QStringLiteral("ピース 14")));
  EXPECT_EQ(Preview(12), QStringLiteral("ピース 13 の場所"));
}

}  // namespace
}  // namespace formtest
