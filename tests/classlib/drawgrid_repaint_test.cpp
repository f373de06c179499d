// drawgrid_repaint_test.cpp: Repaint puts the freshly composed cells on the
// screen without Qt painting the widgets beneath the grid again.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "classlib/drawgrid.h"

namespace classlib {
namespace {

// Counts the paint events of the object it watches.
class PaintCounter : public QObject {
 public:
  int Paints = 0;

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++Paints;
    return false;
  }
};

TEST(DrawGridRepaint, PaintsTheCellsOnceAndLeavesTheParentAlone) {
  QWidget parent;
  parent.resize(300, 300);
  auto* grid = new TDrawGrid(&parent);
  grid->setGeometry(10, 10, 245, 245);
  grid->SetDefaultColWidth(48);
  grid->SetDefaultRowHeight(48);
  int cellsDrawn = 0;
  grid->OnDrawCell = [&](TObject*, int, int, TRect rect, TGridDrawState) {
    ++cellsDrawn;
    grid->Canvas()->FillRect(rect);
  };
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  QCoreApplication::processEvents();
  PaintCounter parentPaints;
  PaintCounter gridPaints;
  PaintCounter viewportPaints;
  parent.installEventFilter(&parentPaints);
  grid->installEventFilter(&gridPaints);
  grid->viewport()->installEventFilter(&viewportPaints);

  cellsDrawn = 0;
  grid->Repaint();
  EXPECT_EQ(cellsDrawn, grid->ColCount() * grid->RowCount());
  EXPECT_EQ(viewportPaints.Paints, 1);
  EXPECT_EQ(gridPaints.Paints, 0);  // the edge did not change
  EXPECT_EQ(parentPaints.Paints, 0);
  grid->viewport()->removeEventFilter(&viewportPaints);
  grid->removeEventFilter(&gridPaints);
  parent.removeEventFilter(&parentPaints);
}

}  // namespace
}  // namespace classlib
