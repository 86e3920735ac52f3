#pragma once
// TCustomGrid: a read-only table of cells drawn by the derived class. It
// keeps column widths and row heights, fixed (heading) columns and rows and
// the grid lines between cells, and asks DrawCell for every cell. There is
// no selection, editing or scrolling: the cells are laid out from the top
// left of the client area and what does not fit is cut off.
#include <vector>

#include "platform/Canvas.h"
#include "platform/Controls.h"

enum TBorderStyle { bsNone, bsSingle };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomGrid : public TControl {
  Q_OBJECT
  Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
  Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
  Q_PROPERTY(int FixedColor READ FixedColor WRITE SetFixedColor)
  Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
  Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
  Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)
  Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
  Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
  Q_PROPERTY(TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)

 public:
  // The sunken frame of bsSingle, in pixels on every side.
  static constexpr int BorderWidth = 2;

  explicit TCustomGrid(QWidget* Parent = nullptr);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  int DefaultColWidth() const { return FDefaultColWidth; }
  // Also resets every column to the new width.
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  // Also resets every row to the new height.
  void SetDefaultRowHeight(int Value);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int Value);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int Value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  int RowCount() const { return static_cast<int>(FRowHeights.size()); }
  void SetRowCount(int Value);
  int ColCount() const { return static_cast<int>(FColWidths.size()); }
  void SetColCount(int Value);
  // Stored with the design; the grid itself does not scroll.
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);

  // Widths and heights of single columns and rows; outside the table the
  // defaults.
  int ColWidths(int Col) const;
  void SetColWidths(int Col, int Value);
  int RowHeights(int Row) const;
  void SetRowHeights(int Row, int Value);

  // Client area: the control without the border.
  int ClientOffset() const { return FBorderStyle == bsSingle ? BorderWidth : 0; }
  int ClientWidth() const;
  int ClientHeight() const;
  // The rectangle of a cell in client pixels; grid lines lie between cells.
  TRect CellRect(int Col, int Row) const;
  bool IsFixed(int Col, int Row) const { return Row < FFixedRows || Col < FFixedCols; }

  // Paints the client area (cells, grid lines and what AfterPaint adds) in
  // client coordinates.
  void PaintClient(TCanvas& Canvas);

 protected:
  // Draws one cell. The brush is FixedColor or Color, the pen black and the
  // font the grid's Font.
  virtual void DrawCell(TCanvas& Canvas, int Col, int Row, const TRect& Rect) = 0;
  // Runs after all cells are drawn, on the same canvas.
  virtual void AfterPaint(TCanvas& Canvas) { (void)Canvas; }
  void paintEvent(QPaintEvent* Event) override;

 private:
  int ColLeft(int Col) const;
  int RowTop(int Row) const;

  TBorderStyle FBorderStyle = bsSingle;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  TColor FFixedColor = clBtnFace;
  int FFixedCols = 1;
  int FFixedRows = 1;
  int FGridLineWidth = 1;
  TScrollStyle FScrollBars = ssBoth;
  std::vector<int> FColWidths;
  std::vector<int> FRowHeights;
};
