// panel.cpp: panels and bevels.
#include "classlib/panel.h"
#include "classlib/qt/qcolor.h"

#include <QPainter>

#include "classlib/bevels.h"
#include "classlib/controls.h"

namespace classlib {
namespace {

void DrawBevel(QPainter& painter, const QRect& r, TBevelCut cut, const QPalette& edges) {
  if (cut == TBevelCut::bvNone) return;
  DrawEdge(painter, r, cut == TBevelCut::bvRaised ? TEdge::PanelRaised : TEdge::PanelLowered,
           edges);
}

}  // namespace

TPanel::TPanel(QWidget* parent) : QWidget(parent) {}

void TPanel::SetBevelOuter(TBevelCut cut) {
  bevelOuter_ = cut;
  update();
}

void TPanel::SetBevelInner(TBevelCut cut) {
  bevelInner_ = cut;
  update();
}

void TPanel::SetColor(TColor color) {
  color_ = color;
  update();
}

TColor TPanel::Color() const {
  return color_.value_or(palette().color(QPalette::Button).rgb() | 0xFF000000u);
}

int TPanel::BevelWidth() const {
  return (bevelOuter_ != TBevelCut::bvNone ? 1 : 0) +
         (bevelInner_ != TBevelCut::bvNone ? 1 : 0);
}

QRect TPanel::ClientRect() const {
  const int b = BevelWidth();
  return rect().adjusted(b, b, -b, -b);
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(Color()));
  const QPalette edges = EdgePalette(Color());
  DrawBevel(painter, rect(), bevelOuter_, edges);
  const int inset = bevelOuter_ != TBevelCut::bvNone ? 1 : 0;
  DrawBevel(painter, rect().adjusted(inset, inset, -inset, -inset), bevelInner_, edges);
}

void TPanel::resizeEvent(QResizeEvent*) { ArrangeAlignedChildren(this, ClientRect()); }

TBevel::TBevel(QWidget* parent) : QWidget(parent) {}

void TBevel::SetShape(TBevelShape shape) {
  shape_ = shape;
  update();
}

void TBevel::paintEvent(QPaintEvent*) {
  if (shape_ != TBevelShape::bsLeftLine) return;
  QPainter painter(this);
  const QPalette edges = EdgePalette(palette().color(QPalette::Button));
  painter.fillRect(0, 0, 1, height(), edges.color(QPalette::Dark));
  painter.fillRect(1, 0, 1, height(), edges.color(QPalette::Light));
}

}  // namespace classlib
