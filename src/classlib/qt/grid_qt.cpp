// grid_qt.cpp: a draw grid's peer: a scroll area whose viewport shows the
// cells the grid composed, inside the sunken edge, with scroll bars that
// count whole cells.
#include "classlib/qt/grid_qt.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "classlib/bevels.h"
#include "classlib/qt/accessible_grid.h"
#include "classlib/qt/qcolor.h"
#include "classlib/qt/qkeys.h"

namespace classlib {
namespace {

QAccessible::Event QtEventOf(TAccessEvent event) {
  switch (event) {
    case TAccessEvent::Focus: return QAccessible::Focus;
    case TAccessEvent::Selection: return QAccessible::Selection;
    case TAccessEvent::SelectionRemove: return QAccessible::SelectionRemove;
    case TAccessEvent::NameChange: return QAccessible::NameChanged;
    case TAccessEvent::DescriptionChange: break;
  }
  return QAccessible::DescriptionChanged;
}

}  // namespace

GridWidget::GridWidget(TDrawGrid& grid, QWidget* parent) : QtPeer(parent), grid_(grid) {
  InstallAccessibleFactory();
  // A 2-pixel frame keeps the scroll bars and the viewport inside the edge
  // that PaintBorder draws; the frame's own drawing is never used.
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  // Every viewport pixel comes from the grid's surface, so Qt need not clear it.
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int GridWidget::HorzBarHeight() const { return horizontalScrollBar()->sizeHint().height(); }
int GridWidget::VertBarWidth() const { return verticalScrollBar()->sizeHint().width(); }

void GridWidget::SetScrollBars(const TScrollBarState& horz, const TScrollBarState& vert) {
  syncingBars_ = true;
  const auto policy = [](bool on) { return on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; };
  if (horizontalScrollBarPolicy() != policy(horz.Shown)) setHorizontalScrollBarPolicy(policy(horz.Shown));
  if (verticalScrollBarPolicy() != policy(vert.Shown)) setVerticalScrollBarPolicy(policy(vert.Shown));
  for (auto [bar, state] : {std::pair{horizontalScrollBar(), horz}, {verticalScrollBar(), vert}}) {
    bar->setRange(0, state.Max);
    bar->setPageStep(state.Page);
    bar->setValue(state.Position);
  }
  syncingBars_ = false;
}

bool GridWidget::AccessibilityActive() const { return QAccessible::isActive(); }

void GridWidget::Announce(TAccessEvent type, int cell) {
  QAccessibleEvent event(this, QtEventOf(type));
  if (cell >= 0) event.setChild(cell);
  QAccessible::updateAccessibility(&event);
}

// Called when the player moves a scroll bar.
void GridWidget::scrollContentsBy(int, int) {
  if (!syncingBars_) grid_.Scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void GridWidget::resizeEvent(QResizeEvent*) { grid_.Resized(); }

void GridWidget::paintEvent(QPaintEvent*) {
  const platform::Surface& cells = grid_.CellsToShow();
  if (cells.IsEmpty()) return;
  const QImage image(cells.Bits(), cells.Width(), cells.Height(), cells.BytesPerLine(),
                     QImage::Format_RGB32);
  QPainter painter(viewport());
  painter.drawImage(0, 0, image);
}

// The grid's own paint events draw the edge (and the square between two
// scroll bars); the viewport's come to paintEvent.
bool GridWidget::event(QEvent* event) {
  if (event->type() != QEvent::Paint) return QAbstractScrollArea::event(event);
  PaintBorder();
  return true;
}

void GridWidget::PaintBorder() {
  QPainter painter(this);
  DrawEdge(TRect{0, 0, width(), height()}, TEdge::FieldSunken, kGridFace,
           [&painter](const TRect& b, TColor colour) {
             painter.fillRect(b.Left, b.Top, b.Width(), b.Height(), ToQColor(colour));
           });
  const TDrawGrid::Layout layout = grid_.ComputeLayout();
  if (layout.HorzBar && layout.VertBar) {
    const int frame = frameWidth();
    painter.fillRect(frame + layout.ClientWidth, frame + layout.ClientHeight,
                     width() - 2 * frame - layout.ClientWidth,
                     height() - 2 * frame - layout.ClientHeight, ToQColor(kGridFace));
  }
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  grid_.MouseDown(at.x(), at.y());
}

void GridWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint at = event->position().toPoint();
  grid_.MouseMove(at.x(), at.y());
}

void GridWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) grid_.MouseUp();
}

// Qt sends press, release, double-click, release.
void GridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) grid_.DblClick();
}

void GridWidget::keyPressEvent(QKeyEvent* event) {
  const TKeyCode key = KeyCodeOf(event);
  if (key != 0 &&
      grid_.KeyDown(key, {(event->modifiers() & Qt::ControlModifier) != 0, event->isAutoRepeat()})) {
    event->accept();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void GridWidget::wheelEvent(QWheelEvent* event) {
  if (grid_.ScrollBars() == TScrollStyle::ssNone) {
    event->ignore();
    return;
  }
  QAbstractScrollArea::wheelEvent(event);
}

void GridWidget::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  grid_.FocusChanged(true);
}

void GridWidget::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  grid_.FocusChanged(false);
}

namespace backend {

std::unique_ptr<TGridPeer> CreatePeer(TDrawGrid& grid, TWinControl& parent) {
  return std::make_unique<GridWidget>(grid, ContainerOf(parent));
}

}  // namespace backend
}  // namespace classlib
