// drawgrid_test.cpp: the draw grid driven by real mouse and key events: the
// select-cell veto, painting through OnDrawCell, the erase hook,
// repainting, scroll bars and the client area inside the border.
#include "classlib/drawgrid.h"
#include "classlib/exception.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <tuple>
#include <vector>

namespace classlib {
namespace {

constexpr TColor kBlue = platform::Rgb(0, 0, 255);

struct Drawn {
  int Col;
  int Row;
  TRect Rect;
  bool Selected;
};

// A 5 x 5 grid of 48-pixel cells, silver beyond the cells, recording every
// select-cell and draw-cell event and refusing the cells in `refused`.
class DrawGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid = std::make_unique<TDrawGrid>();
    grid->SetDefaultColWidth(48);
    grid->SetDefaultRowHeight(48);
    grid->SetColor(clSilver);
    grid->resize(245, 245);
    grid->OnSelectCell = [this](TObject* sender, int col, int row, bool& canSelect) {
      EXPECT_EQ(sender, grid.get());
      asked.emplace_back(col, row);
      for (const auto& cell : refused) canSelect = canSelect && cell != std::pair(col, row);
    };
    grid->OnDrawCell = [this](TObject*, int col, int row, TRect rect, TGridDrawState state) {
      drawn.push_back({col, row, rect, state.Selected});
      grid->Canvas()->SetBrushColor(kBlue);
      grid->Canvas()->FillRect(rect);
    };
  }

  QPoint CellCentre(int col, int row) const {
    const TRect r = grid->CellRect(col, row);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void Click(int col, int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(col, row));
  }
  void DragOver(int col, int row) {
    const QPointF pos = CellCentre(col, row);
    QMouseEvent move(QEvent::MouseMove, pos, grid->viewport()->mapToGlobal(pos), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &move);
  }
  void Key(Qt::Key key) { QTest::keyClick(grid.get(), key); }
  std::pair<int, int> Current() const { return {grid->Col(), grid->Row()}; }

  std::unique_ptr<TDrawGrid> grid;
  std::vector<std::pair<int, int>> asked;
  std::vector<std::pair<int, int>> refused;
  std::vector<Drawn> drawn;
};

using Cell = std::pair<int, int>;

TEST_F(DrawGridTest, ClientAreaIsInsideATwoPixelSunkenEdge) {
  grid->resize(359, 345);
  EXPECT_EQ(std::pair(grid->ClientWidth(), grid->ClientHeight()), std::pair(355, 341));
  grid->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
  EXPECT_EQ(grid->viewport()->geometry(), QRect(2, 2, 355, 341));
  EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
  const QImage shot = grid->grab().toImage();
  EXPECT_EQ(shot.pixel(0, 0), clGray);
  EXPECT_EQ(shot.pixel(1, 1), platform::Rgb(64, 64, 64));
  EXPECT_EQ(shot.pixel(358, 344), clWhite);
  EXPECT_EQ(shot.pixel(357, 343), platform::Rgb(212, 208, 200));
  EXPECT_EQ(shot.pixel(0, 344), clWhite);  // the bottom edge runs the full width
}

TEST_F(DrawGridTest, ClicksAndDragsPassTheSelectCellVeto) {
  refused = {{3, 0}, {2, 1}};
  Click(3, 0);
  EXPECT_EQ(Current(), Cell(0, 0));
  Click(1, 2);
  EXPECT_EQ(Current(), Cell(1, 2));
  EXPECT_EQ(asked, (std::vector<Cell>{{3, 0}, {1, 2}}));

  asked.clear();
  QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
  DragOver(2, 1);  // refused
  DragOver(3, 1);
  QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, CellCentre(3, 1));
  DragOver(4, 1);  // the button is up: no longer selecting
  EXPECT_EQ(Current(), Cell(3, 1));
  EXPECT_EQ(asked, (std::vector<Cell>{{1, 1}, {2, 1}, {3, 1}}));

  asked.clear();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(240, 10));  // past the cells
  EXPECT_TRUE(asked.empty());
}

// Keys and the program's setters ask too; a key that stays on the same cell
// (at an edge) and a setter that changes nothing ask nothing.
TEST_F(DrawGridTest, KeysAndSettersMoveTheCurrentCellThroughTheVeto) {
  grid->SetCol(1);
  grid->SetRow(1);
  grid->SetRow(1);
  asked.clear();
  refused = {{2, 1}, {0, 3}};
  const std::vector<std::tuple<Qt::Key, Cell>> steps = {
      {Qt::Key_Right, {1, 1}}, {Qt::Key_Down, {1, 2}},     {Qt::Key_End, {4, 2}},
      {Qt::Key_Right, {4, 2}}, {Qt::Key_Home, {0, 2}},     {Qt::Key_Left, {0, 2}},
      {Qt::Key_PageDown, {0, 4}}, {Qt::Key_PageUp, {0, 0}}, {Qt::Key_Up, {0, 0}}};
  for (const auto& [key, expected] : steps) {
    Key(key);
    EXPECT_EQ(Current(), expected) << "after key " << key;
  }
  grid->SetRow(3);
  grid->SetCol(2);
  EXPECT_EQ(Current(), Cell(2, 0));
  EXPECT_EQ(asked, (std::vector<Cell>{{2, 1}, {1, 2}, {4, 2}, {0, 2}, {0, 4}, {0, 0}, {0, 3}, {2, 0}}));
  EXPECT_THROW(grid->SetCol(5), Exception);
}

// Painting works on a grid never shown.
TEST_F(DrawGridTest, PaintHandsEveryVisibleCellToOnDrawCellAndFillsTheRest) {
  grid->SetCol(2);
  grid->SetRow(1);
  grid->Repaint();
  ASSERT_EQ(drawn.size(), 25u);
  for (const Drawn& d : drawn) {
    EXPECT_EQ(d.Rect, (TRect{d.Col * 48, d.Row * 48, d.Col * 48 + 48, d.Row * 48 + 48}));
    EXPECT_EQ(d.Selected, d.Col == 2 && d.Row == 1);
  }
  const platform::Surface& s = grid->ClientSurface();
  ASSERT_EQ(std::pair(s.Width(), s.Height()), std::pair(241, 241));
  EXPECT_EQ(s.Pixel(239, 239), kBlue);
  EXPECT_EQ(s.Pixel(240, 0), clSilver);
  EXPECT_EQ(s.Pixel(0, 240), clSilver);

  // Without a handler the cells keep what the erase left: the grid's colour.
  grid->OnDrawCell = nullptr;
  grid->Repaint();
  EXPECT_EQ(s.Pixel(10, 10), clSilver);
  // No room at all: nothing to draw, and no failure.
  grid->resize(3, 0);
  grid->Repaint();
  EXPECT_EQ(grid->ClientWidth(), 0);
}

TEST_F(DrawGridTest, AnEraseStoppedByTheWindowProcLeavesThePixels) {
  grid->Repaint();
  EXPECT_EQ(grid->Perform(WM_ERASEBKGND), 1);
  EXPECT_EQ(grid->ClientSurface().Pixel(10, 10), clSilver);  // erased by default

  grid->Repaint();
  const TWndMethod old = grid->WindowProc;
  grid->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_ERASEBKGND) {
      m.Result = 1;
      return;
    }
    old(m);
  };
  const platform::Surface before = grid->ClientSurface();
  EXPECT_EQ(grid->Perform(WM_ERASEBKGND), 1);
  grid->OnDrawCell = nullptr;  // a paint now erases nothing and draws no cell
  grid->Repaint();
  EXPECT_TRUE(grid->ClientSurface() == before);
}

TEST_F(DrawGridTest, ScrollBarsAppearWhenCellsDoNotFit) {
  grid->resize(244, 200);  // the columns fit until the vertical bar takes room
  grid->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
  QScrollBar* horz = grid->horizontalScrollBar();
  QScrollBar* vert = grid->verticalScrollBar();
  EXPECT_TRUE(horz->isVisible());
  EXPECT_TRUE(vert->isVisible());
  EXPECT_EQ(grid->viewport()->width(), grid->ClientWidth());
  EXPECT_EQ(grid->ClientWidth(), 240 - vert->width());

  Key(Qt::Key_End);  // the new current cell is scrolled into view
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_LE(grid->CellRect(4, 0).Right, grid->ClientWidth());
  Key(Qt::Key_Home);
  EXPECT_EQ(grid->LeftCol(), 0);
  horz->setValue(horz->maximum());
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_TRUE(grid->CellRect(0, 0).IsEmpty());
  grid->resize(400, 400);
  EXPECT_FALSE(vert->isVisible());
  grid->SetRowHeight(2, 250);
  EXPECT_TRUE(vert->isVisible());
}

TEST_F(DrawGridTest, DisabledGridIgnoresInputButPaintsTheSame) {
  grid->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
  grid->Repaint();
  const QImage enabledLook = grid->grab().toImage();
  grid->setEnabled(false);
  Click(2, 2);
  Key(Qt::Key_Down);
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(Current(), Cell(0, 0));
  drawn.clear();
  grid->Repaint();
  EXPECT_EQ(drawn.size(), 25u);
  EXPECT_TRUE(grid->grab().toImage() == enabledLook);
}

// Repaint puts the composed cells on the screen without Qt painting the
// grid's edge or the widgets beneath it again.
TEST(DrawGridRepaint, PaintsTheCellsOnceAndLeavesTheParentAlone) {
  struct PaintCounter : QObject {
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      Paints += event->type() == QEvent::Paint;
      return false;
    }
  } parentPaints, gridPaints, viewportPaints;
  QWidget parent;
  parent.resize(300, 300);
  auto* grid = new TDrawGrid(&parent);
  grid->setGeometry(10, 10, 245, 245);
  grid->SetDefaultColWidth(48);
  grid->SetDefaultRowHeight(48);
  int cellsDrawn = 0;
  grid->OnDrawCell = [&](TObject*, int, int, TRect, TGridDrawState) { ++cellsDrawn; };
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  QCoreApplication::processEvents();
  parent.installEventFilter(&parentPaints);
  grid->installEventFilter(&gridPaints);
  grid->viewport()->installEventFilter(&viewportPaints);
  cellsDrawn = 0;
  grid->Repaint();
  EXPECT_EQ(cellsDrawn, grid->ColCount() * grid->RowCount());
  EXPECT_EQ(viewportPaints.Paints, 1);
  EXPECT_EQ(gridPaints.Paints, 0);
  EXPECT_EQ(parentPaints.Paints, 0);
}

}  // namespace
}  // namespace classlib
