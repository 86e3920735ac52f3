#include "platform/GridAccessible.h"

#include <QAccessible>
#include <QWidget>

namespace {

class TGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TGridCellAccessible(const TGridAccessible* Grid, int Row, int Column) : FGrid(Grid), FRow(Row), FColumn(Column) {}

  bool isValid() const override {
    return FGrid->Alive() && FRow < FGrid->rowCount() && FColumn < FGrid->columnCount();
  }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return const_cast<TGridAccessible*>(FGrid); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text T) const override {
    return T == QAccessible::Name && isValid() ? FGrid->CellText(FRow, FColumn) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect R = FGrid->CellRect(FRow, FColumn);
    return QRect(FGrid->Widget()->mapToGlobal(R.topLeft()), R.size());
  }
  QAccessible::Role role() const override {
    if (!isValid() || !FGrid->IsHeading(FRow, FColumn)) return QAccessible::Cell;
    return FRow < 1 ? QAccessible::ColumnHeader : QAccessible::RowHeader;
  }
  QAccessible::State state() const override {
    QAccessible::State S;
    S.readOnly = true;
    if (!isValid() || !FGrid->Widget()->isVisible()) S.invisible = true;
    return S;
  }
  void* interface_cast(QAccessible::InterfaceType T) override {
    return T == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return FGrid->ColumnHeadings(FColumn); }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return FGrid->RowHeadings(FRow); }
  int columnIndex() const override { return FColumn; }
  int rowIndex() const override { return FRow; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return const_cast<TGridAccessible*>(FGrid); }

 private:
  const TGridAccessible* FGrid;
  int FRow;
  int FColumn;
};

}  // namespace

TGridAccessible::TGridAccessible(QWidget* Grid) : TControlAccessible(Grid, QAccessible::Table) {}

TGridAccessible::~TGridAccessible() {
  for (const QAccessible::Id Id : std::as_const(FCells)) QAccessible::deleteAccessibleInterface(Id);
}

void* TGridAccessible::interface_cast(QAccessible::InterfaceType T) {
  if (T == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return TControlAccessible::interface_cast(T);
}

int TGridAccessible::childCount() const { return rowCount() * columnCount(); }

QAccessibleInterface* TGridAccessible::child(int Index) const {
  const int Columns = columnCount();
  if (Index < 0 || Columns <= 0 || Index >= childCount()) return nullptr;
  return cellAt(Index / Columns, Index % Columns);
}

int TGridAccessible::indexOfChild(const QAccessibleInterface* Child) const {
  if (!Child || Child->parent() != this) return -1;
  QAccessibleTableCellInterface* Cell = const_cast<QAccessibleInterface*>(Child)->tableCellInterface();
  return Cell ? Cell->rowIndex() * columnCount() + Cell->columnIndex() : -1;
}

QAccessibleInterface* TGridAccessible::childAt(int X, int Y) const {
  const QPoint P = widget()->mapFromGlobal(QPoint(X, Y));
  for (int Row = 0; Row < rowCount(); ++Row)
    for (int Col = 0; Col < columnCount(); ++Col)
      if (CellRect(Row, Col).contains(P)) return cellAt(Row, Col);
  return nullptr;
}

QAccessibleInterface* TGridAccessible::cellAt(int Row, int Column) const {
  if (Row < 0 || Column < 0 || Row >= rowCount() || Column >= columnCount()) return nullptr;
  const QPair<int, int> Key(Row, Column);
  if (const auto Found = FCells.constFind(Key); Found != FCells.constEnd())
    return QAccessible::accessibleInterface(*Found);
  auto* Cell = new TGridCellAccessible(this, Row, Column);
  FCells.insert(Key, QAccessible::registerAccessibleInterface(Cell));
  return Cell;
}

int TGridAccessible::HeadingRows() const {
  int Rows = 0;
  while (Rows < rowCount() && columnCount() > 0 && IsHeading(Rows, columnCount() - 1)) ++Rows;
  return Rows;
}

int TGridAccessible::HeadingColumns() const {
  int Columns = 0;
  while (Columns < columnCount() && rowCount() > 0 && IsHeading(rowCount() - 1, Columns)) ++Columns;
  return Columns;
}

QList<QAccessibleInterface*> TGridAccessible::ColumnHeadings(int Column) const {
  QList<QAccessibleInterface*> List;
  for (int Row = 0; Row < HeadingRows(); ++Row)
    if (!CellText(Row, Column).isEmpty()) List.append(cellAt(Row, Column));
  return List;
}

QList<QAccessibleInterface*> TGridAccessible::RowHeadings(int Row) const {
  QList<QAccessibleInterface*> List;
  for (int Column = 0; Column < HeadingColumns(); ++Column)
    if (!CellText(Row, Column).isEmpty()) List.append(cellAt(Row, Column));
  return List;
}

QString TGridAccessible::columnDescription(int Column) const {
  return HeadingRows() > 0 ? CellText(0, Column) : QString();
}

QString TGridAccessible::rowDescription(int Row) const {
  return HeadingColumns() > 0 ? CellText(Row, 0) : QString();
}

void TGridAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
  // Cells are made again for the new shape.
  for (const QAccessible::Id Id : std::as_const(FCells)) QAccessible::deleteAccessibleInterface(Id);
  FCells.clear();
}
