// panel.cpp: panels and bevels.
#include "classlib/panel.h"

#include <QPainter>

#include "classlib/controls.h"

namespace classlib {
namespace {

QColor ToQColor(TColor c) { return QColor::fromRgb(c); }

}  // namespace

void DrawEdge(QPainter& painter, const QRect& r, TBevelCut cut) {
  if (cut == TBevelCut::bvNone || r.width() <= 0 || r.height() <= 0) return;
  const QColor light = ToQColor(clWhite);
  const QColor dark = ToQColor(clGray);
  const QColor topLeft = cut == TBevelCut::bvRaised ? light : dark;
  const QColor bottomRight = cut == TBevelCut::bvRaised ? dark : light;
  const int right = r.x() + r.width() - 1;
  const int bottom = r.y() + r.height() - 1;
  painter.fillRect(r.x(), r.y(), r.width(), 1, topLeft);
  painter.fillRect(r.x(), r.y(), 1, r.height(), topLeft);
  painter.fillRect(r.x(), bottom, r.width(), 1, bottomRight);
  painter.fillRect(right, r.y(), 1, r.height(), bottomRight);
}

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
  DrawEdge(painter, rect(), bevelOuter_);
  const int inset = bevelOuter_ != TBevelCut::bvNone ? 1 : 0;
  DrawEdge(painter, rect().adjusted(inset, inset, -inset, -inset), bevelInner_);
}

void TPanel::resizeEvent(QResizeEvent*) { ArrangeAlignedChildren(this, ClientRect()); }

TBevel::TBevel(QWidget* parent) : QWidget(parent) {}

void TBevel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(0, 0, 1, height(), ToQColor(clGray));
  painter.fillRect(1, 0, 1, height(), ToQColor(clWhite));
}

}  // namespace classlib
