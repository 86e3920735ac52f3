#include "components/RRGridBase.h"

#include <QPainter>
#include <algorithm>

namespace {
// Large enough for any page table, small enough that a wrong design value
// cannot exhaust memory.
constexpr int MaxCells = 10000;
int Clamped(int Value) { return std::clamp(Value, 0, MaxCells); }
}  // namespace

TCustomGrid::TCustomGrid(QWidget* Parent)
    : TControl(Parent), FColWidths(5, FDefaultColWidth), FRowHeights(5, FDefaultRowHeight) {
  SetParentColor(false);
  SetColor(clWindow);
  SetBounds(Left(), Top(), 320, 120);
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  FBorderStyle = Value;
  update();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
  FDefaultColWidth = std::max(0, Value);
  std::fill(FColWidths.begin(), FColWidths.end(), FDefaultColWidth);
  update();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
  FDefaultRowHeight = std::max(0, Value);
  std::fill(FRowHeights.begin(), FRowHeights.end(), FDefaultRowHeight);
  update();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  FFixedColor = Value;
  update();
}

void TCustomGrid::SetFixedCols(int Value) {
  FFixedCols = Clamped(Value);
  update();
}

void TCustomGrid::SetFixedRows(int Value) {
  FFixedRows = Clamped(Value);
  update();
}

void TCustomGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = std::clamp(Value, 0, 100);
  update();
}

void TCustomGrid::SetRowCount(int Value) {
  FRowHeights.resize(static_cast<std::size_t>(Clamped(Value)), FDefaultRowHeight);
  update();
}

void TCustomGrid::SetColCount(int Value) {
  FColWidths.resize(static_cast<std::size_t>(Clamped(Value)), FDefaultColWidth);
  update();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) { FScrollBars = Value; }

int TCustomGrid::ColWidths(int Col) const {
  return Col >= 0 && Col < ColCount() ? FColWidths[static_cast<std::size_t>(Col)] : FDefaultColWidth;
}

void TCustomGrid::SetColWidths(int Col, int Value) {
  if (Col < 0 || Col >= ColCount()) return;
  FColWidths[static_cast<std::size_t>(Col)] = std::max(0, Value);
  update();
}

int TCustomGrid::RowHeights(int Row) const {
  return Row >= 0 && Row < RowCount() ? FRowHeights[static_cast<std::size_t>(Row)] : FDefaultRowHeight;
}

void TCustomGrid::SetRowHeights(int Row, int Value) {
  if (Row < 0 || Row >= RowCount()) return;
  FRowHeights[static_cast<std::size_t>(Row)] = std::max(0, Value);
  update();
}

int TCustomGrid::ClientWidth() const { return std::max(0, Width() - 2 * ClientOffset()); }
int TCustomGrid::ClientHeight() const { return std::max(0, Height() - 2 * ClientOffset()); }

int TCustomGrid::ColLeft(int Col) const {
  int X = 0;
  for (int C = 0; C < Col; ++C) X += ColWidths(C) + FGridLineWidth;
  return X;
}

int TCustomGrid::RowTop(int Row) const {
  int Y = 0;
  for (int R = 0; R < Row; ++R) Y += RowHeights(R) + FGridLineWidth;
  return Y;
}

TRect TCustomGrid::CellRect(int Col, int Row) const {
  const int X = ColLeft(Col);
  const int Y = RowTop(Row);
  return {X, Y, X + ColWidths(Col), Y + RowHeights(Row)};
}

void TCustomGrid::PaintClient(TCanvas& Canvas) {
  const int CW = ClientWidth();
  const int CH = ClientHeight();
  Canvas.Brush().SetColor(Color());
  Canvas.FillRect({0, 0, CW, CH});

  // Grid lines: black between fixed cells, silver between the others.
  const int GridRight = std::min(CW, ColLeft(ColCount()));
  const int GridBottom = std::min(CH, RowTop(RowCount()));
  if (FGridLineWidth > 0) {
    for (int C = 0, X = 0; C < ColCount() && X < CW; ++C) {
      X += ColWidths(C);
      Canvas.Brush().SetColor(C < FFixedCols ? clBlack : clSilver);
      Canvas.FillRect({X, 0, X + FGridLineWidth, GridBottom});
      X += FGridLineWidth;
    }
    for (int R = 0, Y = 0; R < RowCount() && Y < CH; ++R) {
      Y += RowHeights(R);
      Canvas.Brush().SetColor(R < FFixedRows ? clBlack : clSilver);
      Canvas.FillRect({0, Y, GridRight, Y + FGridLineWidth});
      Y += FGridLineWidth;
    }
  }

  for (int R = 0, Y = 0; R < RowCount() && Y < CH; Y += RowHeights(R) + FGridLineWidth, ++R) {
    for (int C = 0, X = 0; C < ColCount() && X < CW; X += ColWidths(C) + FGridLineWidth, ++C) {
      Canvas.SetFont(*Font());
      Canvas.Brush().SetColor(IsFixed(C, R) ? FFixedColor : Color());
      Canvas.Pen().SetColor(clBlack);
      Canvas.Pen().SetWidth(1);
      Canvas.Pen().SetStyle(psSolid);
      DrawCell(Canvas, C, R, TRect{X, Y, X + ColWidths(C), Y + RowHeights(R)});
    }
  }
  AfterPaint(Canvas);
}

void TCustomGrid::paintEvent(QPaintEvent*) {
  const int B = ClientOffset();
  TCanvas Canvas(this);
  if (B > 0) {
    TRect R{0, 0, Width(), Height()};
    Frame3D(Canvas, R, clBtnShadow, clBtnHighlight, 1);
    Frame3D(Canvas, R, cl3DDkShadow, cl3DLight, 1);
  }
  if (ClientWidth() <= 0 || ClientHeight() <= 0) return;
  QImage Client(ClientWidth(), ClientHeight(), QImage::Format_RGB32);
  {
    TCanvas ClientCanvas(&Client);
    PaintClient(ClientCanvas);
  }
  Canvas.DrawImage(TRect{B, B, B + Client.width(), B + Client.height()}, Client,
                   TRect{0, 0, Client.width(), Client.height()}, SRCCOPY);
}
