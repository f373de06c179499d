// accessible.cpp: the interface factory that shows the class library's own
// controls to assistive technology.
#include <QAccessibleWidget>

#include "classlib/qt/accessible_grid.h"
#include "classlib/qt/grid_qt.h"
#include "classlib/qt/widgets_qt.h"

namespace classlib {
namespace {

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* grid = dynamic_cast<GridWidget*>(object)) return NewGridAccessible(grid);
  if (auto* image = dynamic_cast<ImageWidget*>(object)) {
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
