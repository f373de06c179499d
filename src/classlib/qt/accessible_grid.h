// accessible_grid.h: how assistive technology sees the class library's own
// controls: a draw grid is a table of named cells, an image a graphic.
#pragma once

class QAccessibleInterface;

namespace classlib {

class GridWidget;

// Installs the interface factory once; later calls do nothing. The peers
// call it when they are created, before anything asks for their interfaces.
void InstallAccessibleFactory();

QAccessibleInterface* NewGridAccessible(GridWidget* grid);

}  // namespace classlib
