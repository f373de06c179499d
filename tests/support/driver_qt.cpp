// driver_qt.cpp: the player's actions as Qt's test events.
#include <QTest>

#include "classlib/drawgrid.h"
#include "classlib/qt/qkeys.h"
#include "classlib/speedbutton.h"
#include "support/driver.h"

namespace testdriver {
namespace {

QPoint Centre(classlib::TDrawGrid* grid, int col, int row) {
  const classlib::TRect r = grid->CellRect(col, row);
  return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

}  // namespace

void ClickCell(classlib::TDrawGrid* grid, int col, int row) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, Centre(grid, col, row));
}

void DoubleClickCell(classlib::TDrawGrid* grid, int col, int row) {
  const QPoint at = Centre(grid, col, row);
  QWidget* viewport = grid->viewport();
  QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}

void PressKey(classlib::TDrawGrid* grid, classlib::TKeyCode key) {
  QTest::keyClick(grid, classlib::QtKeyOf(key));
}

void Click(classlib::TSpeedButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

}  // namespace testdriver
