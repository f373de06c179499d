// grid_qt.h: a draw grid as a Qt scroll area, for the accessibility bridge.
#pragma once

#include <QAbstractScrollArea>

#include "classlib/drawgrid.h"
#include "classlib/qt/peers.h"

namespace classlib {

class GridWidget : public QtPeer<QAbstractScrollArea, TGridPeer> {
 public:
  GridWidget(TDrawGrid& grid, QWidget* parent);

  TDrawGrid& Grid() const { return grid_; }

  int FrameWidth() const override { return frameWidth(); }
  int HorzBarHeight() const override;
  int VertBarWidth() const override;
  void SetScrollBars(const TScrollBarState& horz, const TScrollBarState& vert) override;
  void ShowCellsNow() override { viewport()->repaint(); }
  void InvalidateCells() override { viewport()->update(); }
  bool AccessibilityActive() const override;
  void Announce(TAccessEvent event, int cell) override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void PaintBorder();

  TDrawGrid& grid_;
  bool syncingBars_ = false;
};

}  // namespace classlib
