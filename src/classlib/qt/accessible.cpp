// accessible.cpp: the interface factory that shows the class library's own
// controls to assistive technology.
#include "classlib/accessible.h"

#include <QAccessibleWidget>

#include "classlib/drawgrid.h"
#include "classlib/image.h"
#include "classlib/qt/accessible_grid.h"

namespace classlib {
namespace {

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* grid = qobject_cast<TDrawGrid*>(object)) return NewGridAccessible(grid);
  if (auto* image = qobject_cast<TImage*>(object)) {
    return new QAccessibleWidget(image, QAccessible::Graphic);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace classlib
