#pragma once
// TStringGrid: a table of texts in a sunken frame. The first FixedRows rows
// and FixedCols columns are headings, drawn raised in FixedColor; the other
// cells are drawn in Color. Every cell is DefaultColWidth × DefaultRowHeight
// pixels, followed by a grid line of GridLineWidth. Texts are set from code
// (Cells); the pupil cannot edit them.
#include <QString>
#include <QVector>

#include "platform/Controls.h"

class TStringGrid : public TControl {
  Q_OBJECT
  Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
  Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
  Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
  Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
  Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
  Q_PROPERTY(int FixedColor READ FixedColor WRITE SetFixedColor)
  Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)

 public:
  explicit TStringGrid(QWidget* Parent = nullptr);

  // At least one column and one row, at most MaxCount of each (a design
  // cannot ask for an endless table); the fixed ones shrink to leave one
  // ordinary column (row). Texts of cells that remain are kept.
  static constexpr int MaxCount = 1000;
  int ColCount() const { return FColCount; }
  void SetColCount(int Value);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int Value);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int Value);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int Value);
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int Value);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);

  // The text of column ACol, row ARow; empty outside the grid, where
  // setting is ignored.
  QString Cells(int ACol, int ARow) const;
  void SetCells(int ACol, int ARow, const QString& Text);

  // Where cell (ACol, ARow) lies in the control, without its grid lines.
  QRect CellRect(int ACol, int ARow) const;

  // The width of the sunken frame around the cells.
  static constexpr int BorderWidth = 2;

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  void Resize(int Cols, int Rows);
  bool Inside(int ACol, int ARow) const { return ACol >= 0 && ACol < FColCount && ARow >= 0 && ARow < FRowCount; }

  int FColCount = 5;
  int FRowCount = 5;
  int FFixedCols = 1;
  int FFixedRows = 1;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  TColor FFixedColor = clBtnFace;
  int FGridLineWidth = 1;
  QVector<QString> FCells;  // row by row
};
