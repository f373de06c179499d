// controls.cpp: alignment of child controls.
#include "classlib/controls.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QVariant>
#include <algorithm>

namespace classlib {
namespace {

constexpr char kAlignProperty[] = "classlibAlign";
// The height of a top or bottom strip, the width of a left or right one, as
// designed: a strip squeezed to nothing grows back when there is room again.
constexpr char kExtentProperty[] = "classlibAlignExtent";

int DesignedExtent(const QWidget* child, bool vertical) {
  const QVariant value = child->property(kExtentProperty);
  if (value.isValid()) return value.toInt();
  return vertical ? child->height() : child->width();
}

}  // namespace

void SetAlign(QWidget* control, TAlign align) {
  control->setProperty(kAlignProperty, static_cast<int>(align));
  const bool vertical = align == TAlign::alTop || align == TAlign::alBottom;
  control->setProperty(kExtentProperty, vertical ? control->height() : control->width());
  if (QWidget* parent = control->parentWidget()) {
    // Let the parent place the child at once, as it would on a resize.
    QResizeEvent event(parent->size(), parent->size());
    QCoreApplication::sendEvent(parent, &event);
  }
}

TAlign AlignOf(const QWidget* control) {
  const QVariant value = control->property(kAlignProperty);
  return value.isValid() ? static_cast<TAlign>(value.toInt()) : TAlign::alNone;
}

void ArrangeAlignedChildren(QWidget* parent, const QRect& area) {
  int left = area.left();
  int top = area.top();
  int right = area.left() + area.width();    // exclusive
  int bottom = area.top() + area.height();  // exclusive
  const auto place = [&](TAlign kind) {
    for (QObject* object : parent->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child == nullptr || child->isWindow() || AlignOf(child) != kind) continue;
      const int width = std::max(0, right - left);
      const int height = std::max(0, bottom - top);
      switch (kind) {
        case TAlign::alTop: {
          const int h = std::min(DesignedExtent(child, true), height);
          child->setGeometry(left, top, width, h);
          top += h;
          break;
        }
        case TAlign::alBottom: {
          const int h = std::min(DesignedExtent(child, true), height);
          child->setGeometry(left, bottom - h, width, h);
          bottom -= h;
          break;
        }
        case TAlign::alLeft: {
          const int w = std::min(DesignedExtent(child, false), width);
          child->setGeometry(left, top, w, height);
          left += w;
          break;
        }
        case TAlign::alRight: {
          const int w = std::min(DesignedExtent(child, false), width);
          child->setGeometry(right - w, top, w, height);
          right -= w;
          break;
        }
        case TAlign::alClient:
          child->setGeometry(left, top, width, height);
          break;
        case TAlign::alNone:
          break;
      }
    }
  };
  for (TAlign kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                      TAlign::alClient}) {
    place(kind);
  }
}

}  // namespace classlib
