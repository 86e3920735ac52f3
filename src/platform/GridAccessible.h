#pragma once
// A read-only table for screen readers: rows, columns, heading cells and
// cell texts. The grid controls derive from it and say what their cells
// hold; the cells are interfaces of their own, made when first asked for.
#include <QAccessibleTableInterface>
#include <QHash>

#include "platform/ControlAccessible.h"

class TGridAccessible : public TControlAccessible, public QAccessibleTableInterface {
 public:
  explicit TGridAccessible(QWidget* Grid);
  ~TGridAccessible() override;

  // What a derived grid tells: the plain text of a cell, where it lies in
  // the control, and whether it is a heading (fixed row or column).
  virtual QString CellText(int Row, int Col) const = 0;
  virtual QRect CellRect(int Row, int Col) const = 0;
  virtual bool IsHeading(int Row, int Col) const = 0;

  QAccessible::Role role() const override { return QAccessible::Table; }
  void* interface_cast(QAccessible::InterfaceType T) override;
  int childCount() const override;
  QAccessibleInterface* child(int Index) const override;
  int indexOfChild(const QAccessibleInterface* Child) const override;
  QAccessibleInterface* childAt(int X, int Y) const override;

  // QAccessibleTableInterface
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int Row, int Column) const override;
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int Column) const override;
  QString rowDescription(int Row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override;

  // The headings above and left of a cell (the fixed rows and columns).
  QList<QAccessibleInterface*> ColumnHeadings(int Column) const;
  QList<QAccessibleInterface*> RowHeadings(int Row) const;
  // The grid's interface is gone when its widget is.
  bool Alive() const { return isValid(); }
  QWidget* Widget() const { return widget(); }

 private:
  int HeadingRows() const;
  int HeadingColumns() const;
  mutable QHash<QPair<int, int>, QAccessible::Id> FCells;  // by (Row, Column)
};
