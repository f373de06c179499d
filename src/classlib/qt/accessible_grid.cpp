// accessible_grid.cpp: a draw grid as assistive technology sees it: a
// table of cells that have names, a place on screen, a selected state and an
// action.
#include "classlib/qt/accessible_grid.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <vector>

#include "classlib/drawgrid.h"
#include "classlib/qt/grid_qt.h"
#include "classlib/qt/qstring.h"

namespace classlib {
namespace {

// One cell, by its index row * ColCount + col. It has no object of its own,
// so the table registers it and deletes it when the table goes.
class TGridCellAccessible : public QAccessibleInterface,
                            public QAccessibleTableCellInterface,
                            public QAccessibleActionInterface {
 public:
  TGridCellAccessible(GridWidget* widget, int index) : widget_(widget), index_(index) {}

  bool isValid() const override {
    return widget_ != nullptr && index_ < Grid()->ColCount() * Grid()->RowCount();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return widget_->window()->windowHandle(); }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(widget_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return ToQString(Grid()->CellName(Col(), Row()));
    if (t == QAccessible::Description) return ToQString(Grid()->CellDescription(Col(), Row()));
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::Cell; }

  // In screen coordinates, clipped to what the grid shows.
  QRect rect() const override {
    const TRect r = Grid()->CellRect(Col(), Row());
    const QRect client(0, 0, Grid()->ClientWidth(), Grid()->ClientHeight());
    const QRect shown = QRect(r.Left, r.Top, r.Width(), r.Height()) & client;
    if (shown.isEmpty()) return {};
    return {widget_->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    state.selected = isSelected();
    state.focused = state.selected && widget_->hasFocus();
    state.disabled = !widget_->isEnabled();
    state.invisible = rect().isEmpty();
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableCellInterface) {
      return static_cast<QAccessibleTableCellInterface*>(this);
    }
    if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  bool isSelected() const override { return Grid()->Col() == Col() && Grid()->Row() == Row(); }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return Col(); }
  int rowIndex() const override { return Row(); }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  // The press is what a double-click does, offered while the grid takes input.
  QStringList actionNames() const override {
    if (!widget_->isEnabled() || !Grid()->OnDblClick) return {};
    return {pressAction()};
  }
  void doAction(const QString& name) override {
    if (name == pressAction()) Grid()->ActivateCell(Col(), Row());
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  int Col() const { return index_ % Grid()->ColCount(); }
  int Row() const { return index_ / Grid()->ColCount(); }

  TDrawGrid* Grid() const { return &widget_->Grid(); }

  QPointer<GridWidget> widget_;
  int index_;
};

// The grid's children are its cells only; its scroll bars follow the
// current cell, so a screen reader has no need of them.
class TGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TGridAccessible(GridWidget* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
  ~TGridAccessible() override {
    for (QAccessible::Id id : cells_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description && Grid()->OnDescription) return ToQString(Grid()->Description());
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return Grid()->ColCount() * Grid()->RowCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const auto at = static_cast<std::size_t>(index);
    if (cells_.size() <= at) cells_.resize(at + 1);
    if (cells_[at] == 0) {
      cells_[at] = QAccessible::registerAccessibleInterface(new TGridCellAccessible(Widget(), index));
    }
    return QAccessible::accessibleInterface(cells_[at]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < cells_.size(); ++i) {
      if (cells_[i] != 0 && QAccessible::accessibleInterface(cells_[i]) == child) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (child(i)->rect().contains(x, y)) return child(i);
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return Widget()->hasFocus() ? CurrentCell() : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    return child(row * columnCount() + column);
  }
  int selectedCellCount() const override { return 1; }
  QList<QAccessibleInterface*> selectedCells() const override { return {CurrentCell()}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return Grid()->ColCount(); }
  int rowCount() const override { return Grid()->RowCount(); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  GridWidget* Widget() const { return static_cast<GridWidget*>(widget()); }
  TDrawGrid* Grid() const { return &Widget()->Grid(); }
  QAccessibleInterface* CurrentCell() const { return cellAt(Grid()->Row(), Grid()->Col()); }

  mutable std::vector<QAccessible::Id> cells_;  // 0 until first asked for
};

}  // namespace

QAccessibleInterface* NewGridAccessible(GridWidget* grid) { return new TGridAccessible(grid); }

}  // namespace classlib
