// driver_qt.cpp: the player's actions as Qt's test events, and what the
// controls' widgets show.
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "classlib/drawgrid.h"
#include "classlib/form.h"
#include "classlib/menus.h"
#include "classlib/qt/peers.h"
#include "classlib/qt/qimage_bridge.h"
#include "classlib/qt/qkeys.h"
#include "classlib/speedbutton.h"
#include "classlib/stdctrls.h"
#include "support/driver.h"

using namespace classlib;

namespace testdriver {
namespace {

QAbstractScrollArea* ScrollArea(const TDrawGrid* grid) {
  return static_cast<QAbstractScrollArea*>(WidgetOf(*grid));
}

QWidget* Viewport(const TDrawGrid* grid) { return ScrollArea(grid)->viewport(); }

QPoint Centre(const TDrawGrid* grid, int col, int row) {
  const TRect r = grid->CellRect(col, row);
  return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

}  // namespace

bool ShowAndWait(TForm* form) {
  form->Show();
  return QTest::qWaitForWindowExposed(WidgetOf(*form));
}

void ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Later(std::function<void()> task) { QTimer::singleShot(0, std::move(task)); }

void ClickCell(TDrawGrid* grid, int col, int row) {
  const QPoint at = Centre(grid, col, row);
  ClickAt(grid, at.x(), at.y());
}

void DoubleClickCell(TDrawGrid* grid, int col, int row) {
  const QPoint at = Centre(grid, col, row);
  DoubleClickAt(grid, at.x(), at.y());
}

void PressCell(TDrawGrid* grid, int col, int row) {
  QTest::mousePress(Viewport(grid), Qt::LeftButton, {}, Centre(grid, col, row));
}

void ReleaseCell(TDrawGrid* grid, int col, int row) {
  QTest::mouseRelease(Viewport(grid), Qt::LeftButton, {}, Centre(grid, col, row));
}

void DragOverCell(TDrawGrid* grid, int col, int row) {
  // The button held, as Qt reports a move during a drag.
  const QPointF pos = Centre(grid, col, row);
  QWidget* viewport = Viewport(grid);
  QMouseEvent move(QEvent::MouseMove, pos, viewport->mapToGlobal(pos), Qt::NoButton,
                   QGuiApplication::mouseButtons(), Qt::NoModifier);
  QApplication::sendEvent(viewport, &move);
}

void ClickAt(TDrawGrid* grid, int x, int y) {
  QTest::mouseClick(Viewport(grid), Qt::LeftButton, {}, QPoint(x, y));
}

// Qt delivers a double-click as press, release, double-click, release.
void DoubleClickAt(TDrawGrid* grid, int x, int y) {
  QWidget* viewport = Viewport(grid);
  QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(x, y));
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(x, y));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(x, y));
}

void PressKey(TDrawGrid* grid, TKeyCode key) { QTest::keyClick(ScrollArea(grid), QtKeyOf(key)); }

void PressKey(TForm* form, TKeyCode key) { QTest::keyClick(WidgetOf(*form), QtKeyOf(key)); }

void ScrollTo(TDrawGrid* grid, int leftCol, int topRow) {
  ScrollArea(grid)->horizontalScrollBar()->setValue(leftCol);
  ScrollArea(grid)->verticalScrollBar()->setValue(topRow);
}

std::pair<bool, bool> ScrollBarsShown(const TDrawGrid* grid) {
  return {ScrollArea(grid)->horizontalScrollBar()->isVisible(),
          ScrollArea(grid)->verticalScrollBar()->isVisible()};
}

void Click(TSpeedButton* button) { QTest::mouseClick(WidgetOf(*button), Qt::LeftButton); }

void Press(TSpeedButton* button) { QTest::mousePress(WidgetOf(*button), Qt::LeftButton); }

void Click(TButton* button) { QTest::mouseClick(WidgetOf(*button), Qt::LeftButton); }

void Choose(TMenuItem* item) { ActionOf(*item)->trigger(); }

void CloseWindow(TForm* form) { WidgetOf(*form)->close(); }

void Minimize(TForm* form) { WidgetOf(*form)->showMinimized(); }

void Restore(TForm* form) { WidgetOf(*form)->showNormal(); }

bool IsMinimized(const TForm* form) { return WidgetOf(*form)->isMinimized(); }

platform::Surface Grab(const TControl* control) {
  return SurfaceFromQImage(WidgetOf(*control)->grab().toImage());
}

platform::Surface GrabCells(const TDrawGrid* grid) {
  return SurfaceFromQImage(Viewport(grid)->grab().toImage());
}

TString AccessibleName(const TControl* control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(WidgetOf(*control));
  return face == nullptr ? TString() : FromQString(face->text(QAccessible::Name));
}

}  // namespace testdriver
