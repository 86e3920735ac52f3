#include "platform/StringGrid.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr TColor FixedLineColor = clBlack;
constexpr TColor LineColor = clSilver;

void Line(QPainter& P, TColor Color, int X1, int Y1, int X2, int Y2) {
  P.setPen(TColorToQColor(Color));
  P.drawLine(X1, Y1, X2, Y2);
}

// One ring of a frame: TopLeft on the top and left edge, BottomRight on the
// others; R shrinks by one pixel.
void FrameRing(QPainter& P, QRect& R, TColor TopLeft, TColor BottomRight) {
  Line(P, TopLeft, R.left(), R.top(), R.right(), R.top());
  Line(P, TopLeft, R.left(), R.top(), R.left(), R.bottom());
  Line(P, BottomRight, R.right(), R.top(), R.right(), R.bottom());
  Line(P, BottomRight, R.left(), R.bottom(), R.right(), R.bottom());
  R.adjust(1, 1, -1, -1);
}

}  // namespace

TStringGrid::TStringGrid(QWidget* Parent) : TControl(Parent) {
  SetColor(clWindow);
  FCells.resize(FColCount * FRowCount);
  SetBounds(0, 0, 320, 120);
}

void TStringGrid::Resize(int Cols, int Rows) {
  QVector<QString> Kept(Cols * Rows);
  for (int Row = 0; Row < std::min(Rows, FRowCount); ++Row)
    for (int Col = 0; Col < std::min(Cols, FColCount); ++Col) Kept[Row * Cols + Col] = Cells(Col, Row);
  FCells = std::move(Kept);
  FColCount = Cols;
  FRowCount = Rows;
  FFixedCols = std::min(FFixedCols, FColCount - 1);
  FFixedRows = std::min(FFixedRows, FRowCount - 1);
  update();
}

void TStringGrid::SetColCount(int Value) { Resize(std::clamp(Value, 1, MaxCount), FRowCount); }
void TStringGrid::SetRowCount(int Value) { Resize(FColCount, std::clamp(Value, 1, MaxCount)); }

void TStringGrid::SetFixedCols(int Value) {
  FFixedCols = std::clamp(Value, 0, FColCount - 1);
  update();
}

void TStringGrid::SetFixedRows(int Value) {
  FFixedRows = std::clamp(Value, 0, FRowCount - 1);
  update();
}

void TStringGrid::SetDefaultColWidth(int Value) {
  FDefaultColWidth = std::max(0, Value);
  update();
}

void TStringGrid::SetDefaultRowHeight(int Value) {
  FDefaultRowHeight = std::max(0, Value);
  update();
}

void TStringGrid::SetFixedColor(TColor Value) {
  FFixedColor = Value;
  update();
}

void TStringGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = std::max(0, Value);
  update();
}

QString TStringGrid::Cells(int ACol, int ARow) const {
  return Inside(ACol, ARow) ? FCells[ARow * FColCount + ACol] : QString();
}

void TStringGrid::SetCells(int ACol, int ARow, const QString& Text) {
  if (!Inside(ACol, ARow)) return;
  QString& Cell = FCells[ARow * FColCount + ACol];
  if (Cell == Text) return;
  Cell = Text;
  update(CellRect(ACol, ARow));
}

QRect TStringGrid::CellRect(int ACol, int ARow) const {
  return QRect(BorderWidth + ACol * (FDefaultColWidth + FGridLineWidth),
               BorderWidth + ARow * (FDefaultRowHeight + FGridLineWidth), FDefaultColWidth, FDefaultRowHeight);
}

void TStringGrid::paintEvent(QPaintEvent*) {
  QPainter P(this);
  P.fillRect(rect(), TColorToQColor(Color()));
  P.setFont(Font()->ToQFont());
  for (int Row = 0; Row < FRowCount; ++Row)
    for (int Col = 0; Col < FColCount; ++Col) {
      const QRect Cell = CellRect(Col, Row);
      const bool Fixed = Row < FFixedRows || Col < FFixedCols;
      // The grid lines to the right of and below the cell.
      if (FGridLineWidth > 0) {
        const QColor Lines = TColorToQColor(Fixed ? FixedLineColor : LineColor);
        P.fillRect(Cell.right() + 1, Cell.top(), FGridLineWidth, Cell.height() + FGridLineWidth, Lines);
        P.fillRect(Cell.left(), Cell.bottom() + 1, Cell.width() + FGridLineWidth, FGridLineWidth, Lines);
      }
      P.fillRect(Cell, TColorToQColor(Fixed ? FFixedColor : Color()));
      if (Fixed) {
        QRect Edge = Cell;
        FrameRing(P, Edge, clBtnHighlight, clBtnShadow);
      }
      const QString& Text = FCells[Row * FColCount + Col];
      if (Text.isEmpty()) continue;
      P.setPen(TColorToQColor(Font()->Color()));
      P.save();
      P.setClipRect(Cell);
      P.drawText(Cell.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, Text);
      P.restore();
    }
  // The sunken frame lies over everything.
  QRect Frame = rect();
  FrameRing(P, Frame, clBtnShadow, clBtnHighlight);
  FrameRing(P, Frame, cl3DDkShadow, clBtnFace);
}
