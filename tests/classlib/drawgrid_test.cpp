// drawgrid_test.cpp: the draw grid driven by real mouse and key events: the
// select-cell veto, painting through OnDrawCell, the erase hook, repainting,
// scroll bars and the client area inside the border.
#include "classlib/drawgrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <tuple>
#include <vector>

#include "classlib/exception.h"
#include "support/driver.h"
#include "support/image_compare.h"

namespace classlib {
namespace {

constexpr TColor kBlue = platform::Rgb(0, 0, 255);
using Cell = std::pair<int, int>;

// A 5 x 5 grid of 48-pixel cells in a host widget, silver beyond the cells,
// filling every cell blue, recording the cells it is asked to select and
// refusing those in `refused`.
class DrawGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.resize(300, 300);
    grid->SetDefaultColWidth(48);
    grid->SetDefaultRowHeight(48);
    grid->SetColor(clSilver);
    grid->resize(245, 245);
    grid->OnSelectCell = [this](TObject* sender, int col, int row, bool& canSelect) {
      EXPECT_EQ(sender, grid);
      asked.emplace_back(col, row);
      for (const Cell& cell : refused) canSelect = canSelect && cell != Cell(col, row);
    };
    grid->OnDrawCell = [this](TObject*, int col, int row, TRect rect, TGridDrawState state) {
      EXPECT_EQ(rect, (TRect{col * 48, row * 48, col * 48 + 48, row * 48 + 48}));
      cellsDrawn += 1;
      if (state.Selected) {
        EXPECT_EQ(Cell(col, row), Current());
        ++selectedDrawn;
      }
      grid->Canvas()->SetBrushColor(kBlue);
      grid->Canvas()->FillRect(rect);
    };
  }

  void Show() {
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  }
  QPoint CellCentre(int col, int row) const {
    const TRect r = grid->CellRect(col, row);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void Click(int col, int row) { testdriver::ClickCell(grid, col, row); }
  void DragOver(int col, int row) {
    const QPointF pos = CellCentre(col, row);
    QMouseEvent move(QEvent::MouseMove, pos, grid->viewport()->mapToGlobal(pos), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &move);
  }
  void Key(TKeyCode key) { testdriver::PressKey(grid, key); }
  Cell Current() const { return {grid->Col(), grid->Row()}; }

  QWidget host;
  TDrawGrid* grid = new TDrawGrid(&host);
  std::vector<Cell> asked;
  std::vector<Cell> refused;
  int cellsDrawn = 0;
  int selectedDrawn = 0;
};

TEST_F(DrawGridTest, ClientAreaIsInsideATwoPixelSunkenEdge) {
  grid->resize(359, 345);
  EXPECT_EQ(std::pair(grid->ClientWidth(), grid->ClientHeight()), std::pair(355, 341));
  Show();
  EXPECT_EQ(grid->viewport()->geometry(), QRect(2, 2, 355, 341));
  EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
  const QImage shot = grid->grab().toImage();
  // The bottom edge runs the full width, to (0, 344).
  EXPECT_EQ((std::vector<QRgb>{shot.pixel(0, 0), shot.pixel(1, 1), shot.pixel(358, 344), shot.pixel(357, 343),
                               shot.pixel(0, 344)}),
            (std::vector<QRgb>{clGray, platform::Rgb(64, 64, 64), clWhite, platform::Rgb(212, 208, 200), clWhite}));
}

TEST_F(DrawGridTest, ClicksAndDragsPassTheSelectCellVeto) {
  refused = {{3, 0}, {2, 1}};
  Click(3, 0);
  EXPECT_EQ(Current(), Cell(0, 0));
  Click(1, 2);
  EXPECT_EQ(Current(), Cell(1, 2));
  QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
  DragOver(2, 1);  // refused
  DragOver(3, 1);
  QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, CellCentre(3, 1));
  DragOver(4, 1);  // the button is up: no longer selecting
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(240, 10));  // past the cells
  EXPECT_EQ(Current(), Cell(3, 1));
  EXPECT_EQ(asked, (std::vector<Cell>{{3, 0}, {1, 2}, {1, 1}, {2, 1}, {3, 1}}));
}

// Keys and the program's setters ask too; a key that stays on the same cell
// (at an edge) and a setter that changes nothing ask nothing.
TEST_F(DrawGridTest, KeysAndSettersMoveTheCurrentCellThroughTheVeto) {
  grid->SetCol(1);
  grid->SetRow(1);
  grid->SetRow(1);
  asked.clear();
  refused = {{2, 1}, {0, 3}};
  const std::vector<std::tuple<TKeyCode, Cell>> steps = {
      {VK_RIGHT, {1, 1}}, {VK_DOWN, {1, 2}}, {VK_END, {4, 2}},  {VK_RIGHT, {4, 2}}, {VK_HOME, {0, 2}},
      {VK_LEFT, {0, 2}},  {VK_NEXT, {0, 4}}, {VK_PRIOR, {0, 0}}, {VK_UP, {0, 0}}};
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

// Painting works on a grid never shown; the cells' rectangles are checked as
// they are drawn.
TEST_F(DrawGridTest, PaintHandsEveryVisibleCellToOnDrawCellAndFillsTheRest) {
  grid->SetCol(2);
  grid->SetRow(1);
  grid->Repaint();
  EXPECT_EQ(std::pair(cellsDrawn, selectedDrawn), std::pair(25, 1));
  platform::Surface s = testsupport::Shown(grid->viewport());
  ASSERT_EQ(std::pair(s.Width(), s.Height()), std::pair(241, 241));
  EXPECT_EQ(std::tuple(s.Pixel(239, 239), s.Pixel(240, 0), s.Pixel(0, 240)), std::tuple(kBlue, clSilver, clSilver));
  // Cells only partly in view are drawn too.
  grid->SetScrollBars(TScrollStyle::ssNone);
  grid->resize(204, 204);
  cellsDrawn = 0;
  grid->Repaint();
  EXPECT_EQ(cellsDrawn, 25);
  // Without a handler the cells keep what the erase left: the grid's colour.
  grid->OnDrawCell = nullptr;
  grid->Repaint();
  EXPECT_EQ(testsupport::Shown(grid->viewport()).Pixel(10, 10), clSilver);
  // No room at all: nothing to draw, and no failure.
  grid->resize(3, 0);
  grid->Repaint();
  EXPECT_EQ(grid->ClientWidth(), 0);
}

TEST_F(DrawGridTest, AnEraseStoppedByTheWindowProcLeavesThePixels) {
  grid->Repaint();
  const TWndMethod old = grid->WindowProc;
  grid->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_ERASEBKGND) {
      m.Result = 1;
      return;
    }
    old(m);
  };
  const platform::Surface before = testsupport::Shown(grid->viewport());
  EXPECT_EQ(grid->Perform(WM_ERASEBKGND), 1);
  grid->OnDrawCell = nullptr;  // a paint now erases nothing and draws no cell
  grid->Repaint();
  EXPECT_TRUE(testsupport::Shown(grid->viewport()) == before);
}

// Repaint puts the composed cells on the screen without Qt painting the
// grid's edge or the widgets beneath it again.
TEST_F(DrawGridTest, RepaintPaintsTheCellsOnceAndLeavesTheHostAlone) {
  struct PaintCounter : QObject {
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      Paints += event->type() == QEvent::Paint;
      return false;
    }
  } hostPaints, gridPaints, viewportPaints;
  Show();
  QCoreApplication::processEvents();
  host.installEventFilter(&hostPaints);
  grid->installEventFilter(&gridPaints);
  grid->viewport()->installEventFilter(&viewportPaints);
  cellsDrawn = 0;
  grid->Repaint();
  EXPECT_EQ(std::pair(cellsDrawn, viewportPaints.Paints), std::pair(25, 1));
  EXPECT_EQ(gridPaints.Paints + hostPaints.Paints, 0);
  // The counters take themselves off the widgets as they are destroyed.
}

TEST_F(DrawGridTest, ScrollBarsAppearWhenCellsDoNotFit) {
  grid->resize(244, 244);  // cells that fill the client area exactly
  Show();
  QScrollBar* horz = grid->horizontalScrollBar();
  QScrollBar* vert = grid->verticalScrollBar();
  EXPECT_FALSE(horz->isVisible() || vert->isVisible());
  // The columns fit until the vertical bar takes room; then four fit exactly.
  grid->resize(196 + grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent), 200);
  EXPECT_TRUE(horz->isVisible() && vert->isVisible());
  EXPECT_EQ(grid->ClientWidth(), 192);
  Key(VK_END);  // the new current cell is scrolled into view
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_LE(grid->CellRect(4, 0).Right, grid->ClientWidth());
  Key(VK_HOME);
  EXPECT_EQ(grid->LeftCol(), 0);
  for (int i = 0; i < 3; ++i) Key(VK_RIGHT);
  EXPECT_EQ(grid->LeftCol(), 0) << "the fourth column fits exactly";
  horz->setValue(horz->maximum());
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_TRUE(grid->CellRect(0, 0).IsEmpty());
  grid->resize(400, 400);
  EXPECT_FALSE(vert->isVisible());
  grid->SetRowHeight(2, 250);
  EXPECT_TRUE(vert->isVisible());
}

// That a disabled grid takes no input is Qt's; the layout tests see it on the
// window's grids.
TEST_F(DrawGridTest, DisabledGridPaintsTheSame) {
  Show();
  grid->Repaint();
  const QImage enabledLook = grid->grab().toImage();
  grid->setEnabled(false);
  cellsDrawn = 0;
  grid->Repaint();
  EXPECT_EQ(cellsDrawn, 25);
  EXPECT_TRUE(grid->grab().toImage() == enabledLook);
}

}  // namespace
}  // namespace classlib
