// accessible_grid.h: the accessible table of a draw grid, for the factory.
#pragma once

class QAccessibleInterface;

namespace classlib {

class TDrawGrid;

QAccessibleInterface* NewGridAccessible(TDrawGrid* grid);

}  // namespace classlib
