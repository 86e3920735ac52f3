#pragma once
// TPaintBox: an area that its form draws itself. It paints nothing of its
// own (what lies below shows through) and raises OnPaint at every paint;
// during the handler Canvas() draws on the box in the box's font.
#include <QRect>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/Controls.h"

class TCanvas;

// What a paint box that draws a table tells screen readers: its cell texts
// row by row, heading rows first, and where the rows and columns are drawn.
struct TPaintedTable {
  QString Caption;  // what the table is called
  int HeadingRows = 1;
  std::vector<QStringList> Cells;
  // Where each row lies in the box; a row without one is not drawn.
  std::vector<QRect> Rows;
  // Column C runs from edge C to edge C + 1; without edges a cell spans its row.
  std::vector<int> ColumnEdges;

  int RowCount() const { return static_cast<int>(Cells.size()); }
  int ColumnCount() const { return Cells.empty() ? 0 : static_cast<int>(Cells.front().size()); }
  QString Cell(int Row, int Col) const;
  QRect CellRect(int Row, int Col) const;
};

class TPaintBox : public TControl {
  Q_OBJECT
 public:
  explicit TPaintBox(QWidget* Parent = nullptr);
  ~TPaintBox() override;

  TNotifyEvent OnPaint;

  // The canvas of the paint in progress; null outside OnPaint.
  TCanvas* Canvas() const { return FCanvas; }

  // Makes the box a table for screen readers (what it draws stays the
  // form's business) and tells them its cells changed.
  void SetTable(TPaintedTable Table);
  const std::optional<TPaintedTable>& Table() const { return FTable; }

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  TCanvas* FCanvas = nullptr;
  std::optional<TPaintedTable> FTable;
};
