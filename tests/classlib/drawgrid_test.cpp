// drawgrid_test.cpp: the draw grid driven by real mouse and key events: the
// select-cell veto, painting through OnDrawCell, the erase hook, repainting,
// scroll bars and the client area inside the border.
#include "classlib/drawgrid.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "classlib/exception.h"
#include "classlib/form.h"
#include "support/driver.h"
#include "support/image_compare.h"

namespace classlib {
namespace {

constexpr TColor kBlue = platform::Rgb(0, 0, 255);
using Cell = std::pair<int, int>;

// A 5 x 5 grid of 48-pixel cells on a host form, silver beyond the cells,
// filling every cell blue, recording the cells it is asked to select and
// refusing those in `refused`.
class DrawGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.SetClientSize(300, 300);
    grid->SetDefaultColWidth(48);
    grid->SetDefaultRowHeight(48);
    grid->SetColor(clSilver);
    Resize(245, 245);
    grid->OnSelectCell = [this](TObject* sender, int col, int row, bool& canSelect) {
      EXPECT_EQ(sender, grid);
      asked.emplace_back(col, row);
      for (const Cell& cell : refused) canSelect = canSelect && cell != Cell(col, row);
    };
    grid->OnDrawCell = [this](TObject*, int col, int row, TRect rect, TGridDrawState state) {
      const int x = (col - grid->LeftCol()) * 48;
      EXPECT_EQ(rect, (TRect{x, row * 48, x + 48, row * 48 + 48}));
      cellsDrawn += 1;
      if (state.Selected) {
        EXPECT_EQ(Cell(col, row), Current());
        ++selectedDrawn;
      }
      grid->Canvas()->SetBrushColor(kBlue);
      grid->Canvas()->FillRect(rect);
    };
  }

  void Show() { ASSERT_TRUE(testdriver::ShowAndWait(&host)); }
  void Resize(int width, int height) { grid->SetBounds(0, 0, width, height); }
  void Click(int col, int row) { testdriver::ClickCell(grid, col, row); }
  void DragOver(int col, int row) { testdriver::DragOverCell(grid, col, row); }
  void Key(TKeyCode key) { testdriver::PressKey(grid, key); }
  Cell Current() const { return {grid->Col(), grid->Row()}; }

  TForm host{nullptr};
  TDrawGrid* grid = new TDrawGrid(&host);
  std::vector<Cell> asked;
  std::vector<Cell> refused;
  int cellsDrawn = 0;
  int selectedDrawn = 0;
};

TEST_F(DrawGridTest, ClientAreaIsInsideATwoPixelSunkenEdge) {
  Resize(359, 345);
  EXPECT_EQ(std::pair(grid->ClientWidth(), grid->ClientHeight()), std::pair(355, 341));
  Show();
  EXPECT_EQ(testdriver::ScrollBarsShown(grid), std::pair(false, false));
  const platform::Surface cells = testdriver::GrabCells(grid);
  EXPECT_EQ(std::pair(cells.Width(), cells.Height()), std::pair(355, 341));
  const platform::Surface shot = testdriver::Grab(grid);
  // The cells start inside the edge; the bottom edge runs the full width, to (0, 344).
  EXPECT_EQ(shot.Pixel(2, 2), kBlue);
  EXPECT_EQ((std::vector<TColor>{shot.Pixel(0, 0), shot.Pixel(1, 1), shot.Pixel(358, 344), shot.Pixel(357, 343),
                                 shot.Pixel(0, 344)}),
            (std::vector<TColor>{clGray, platform::Rgb(64, 64, 64), clWhite, platform::Rgb(212, 208, 200), clWhite}));
}

TEST_F(DrawGridTest, ClicksAndDragsPassTheSelectCellVeto) {
  refused = {{3, 0}, {2, 1}};
  Click(3, 0);
  EXPECT_EQ(Current(), Cell(0, 0));
  Click(1, 2);
  EXPECT_EQ(Current(), Cell(1, 2));
  testdriver::PressCell(grid, 1, 1);
  DragOver(2, 1);  // refused
  DragOver(3, 1);
  testdriver::ReleaseCell(grid, 3, 1);
  DragOver(4, 1);  // the button is up: no longer selecting
  testdriver::ClickAt(grid, 240, 10);  // past the cells
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
  platform::Surface s = testdriver::GrabCells(grid);
  ASSERT_EQ(std::pair(s.Width(), s.Height()), std::pair(241, 241));
  EXPECT_EQ(std::tuple(s.Pixel(239, 239), s.Pixel(240, 0), s.Pixel(0, 240)), std::tuple(kBlue, clSilver, clSilver));
  // Cells only partly in view are drawn too.
  grid->SetScrollBars(TScrollStyle::ssNone);
  Resize(204, 204);
  cellsDrawn = 0;
  grid->Repaint();
  EXPECT_EQ(cellsDrawn, 25);
  // Without a handler the cells keep what the erase left: the grid's colour.
  grid->OnDrawCell = nullptr;
  grid->Repaint();
  EXPECT_EQ(testdriver::GrabCells(grid).Pixel(10, 10), clSilver);
  // No room at all: nothing to draw, and no failure.
  Resize(3, 0);
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
  const platform::Surface before = testdriver::GrabCells(grid);
  EXPECT_EQ(grid->Perform(WM_ERASEBKGND), 1);
  grid->OnDrawCell = nullptr;  // a paint now erases nothing and draws no cell
  grid->Repaint();
  EXPECT_TRUE(testdriver::GrabCells(grid) == before);
}

TEST_F(DrawGridTest, ScrollBarsAppearWhenCellsDoNotFit) {
  Resize(244, 244);  // cells that fill the client area exactly
  Show();
  EXPECT_EQ(testdriver::ScrollBarsShown(grid), std::pair(false, false));
  // The columns fit until the vertical bar takes room; then four fit exactly.
  Resize(196 + grid->GridPeer().VertBarWidth(), 200);
  EXPECT_EQ(testdriver::ScrollBarsShown(grid), std::pair(true, true));
  EXPECT_EQ(grid->ClientWidth(), 192);
  Key(VK_END);  // the new current cell is scrolled into view
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_LE(grid->CellRect(4, 0).Right, grid->ClientWidth());
  Key(VK_HOME);
  EXPECT_EQ(grid->LeftCol(), 0);
  for (int i = 0; i < 3; ++i) Key(VK_RIGHT);
  EXPECT_EQ(grid->LeftCol(), 0) << "the fourth column fits exactly";
  testdriver::ScrollTo(grid, 4, 0);
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_TRUE(grid->CellRect(0, 0).IsEmpty());
  Resize(400, 400);
  EXPECT_FALSE(testdriver::ScrollBarsShown(grid).second);
  grid->SetRowHeight(2, 250);
  EXPECT_TRUE(testdriver::ScrollBarsShown(grid).second);
}

// That a disabled grid takes no input the layout tests see on the window's
// grids.
TEST_F(DrawGridTest, DisabledGridPaintsTheSame) {
  Show();
  grid->Repaint();
  const platform::Surface enabledLook = testdriver::Grab(grid);
  grid->SetEnabled(false);
  cellsDrawn = 0;
  grid->Repaint();
  EXPECT_EQ(cellsDrawn, 25);
  EXPECT_TRUE(testdriver::Grab(grid) == enabledLook);
}

}  // namespace
}  // namespace classlib
