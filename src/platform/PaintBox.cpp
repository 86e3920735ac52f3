#include "platform/PaintBox.h"

#include <QAccessible>

#include "platform/Canvas.h"
#include "platform/ControlAccessible.h"

QString TPaintedTable::Cell(int Row, int Col) const {
  if (Row < 0 || Row >= RowCount() || Col < 0) return {};
  const QStringList& Line = Cells[static_cast<std::size_t>(Row)];
  return Col < Line.size() ? Line.at(Col) : QString();
}

QRect TPaintedTable::CellRect(int Row, int Col) const {
  if (Row < 0 || Row >= static_cast<int>(Rows.size()) || Col < 0) return {};
  QRect R = Rows[static_cast<std::size_t>(Row)];
  if (Col + 1 < static_cast<int>(ColumnEdges.size())) {
    R.setLeft(ColumnEdges[static_cast<std::size_t>(Col)]);
    R.setRight(ColumnEdges[static_cast<std::size_t>(Col) + 1] - 1);
  }
  return R;
}

TPaintBox::TPaintBox(QWidget* Parent) : TControl(Parent) { SetBounds(0, 0, 105, 105); }

TPaintBox::~TPaintBox() = default;

void TPaintBox::paintEvent(QPaintEvent*) {
  if (!OnPaint) return;
  TCanvas Canvas(this);
  Canvas.SetFont(*Font());
  Canvas.Brush().SetColor(Color());
  FCanvas = &Canvas;
  struct TReset {
    TCanvas*& Slot;
    ~TReset() { Slot = nullptr; }
  } Reset{FCanvas};
  OnPaint(this);
}

void TPaintBox::SetTable(TPaintedTable Table) {
  FTable = std::move(Table);
  // A box read as a picture so far is made again as a table.
  if (QAccessibleInterface* I = QAccessible::queryAccessibleInterface(this); I && !I->tableInterface())
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(I));
  QAccessibleTableModelChangeEvent Event(this, QAccessibleTableModelChangeEvent::ModelReset);
  TellScreenReaders(Event);
}
