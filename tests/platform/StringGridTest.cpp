#include <gtest/gtest.h>

#include <QImage>

#include "platform/Convert.h"
#include "platform/StringGrid.h"

TEST(StringGrid, CellsKeepTheirTextsWhenTheGridChangesSize) {
  TStringGrid Grid;
  Grid.SetCells(0, 0, "a");
  Grid.SetCells(4, 4, "corner");
  Grid.SetCells(5, 0, "outside");  // ignored
  Grid.SetColCount(3);
  Grid.SetColCount(5);
  EXPECT_EQ(Grid.Cells(0, 0), "a");
  EXPECT_EQ(Grid.Cells(4, 4), "");  // lost with the columns
  EXPECT_EQ(Grid.Cells(5, 0), "");
  // The fixed rows always leave one ordinary row.
  Grid.SetFixedRows(9);
  EXPECT_EQ(Grid.FixedRows(), 4);
  // A design asking for a huge table gets a bounded one.
  Grid.SetColCount(2147483647);
  Grid.SetRowCount(2147483647);
  EXPECT_EQ(Grid.ColCount(), TStringGrid::MaxCount);
  EXPECT_EQ(Grid.RowCount(), TStringGrid::MaxCount);
}

TEST(StringGrid, FixedCellsRaisedGreyOthersWhiteWithGridLines) {
  TStringGrid Grid;
  Grid.SetBounds(0, 0, 120, 60);
  Grid.SetColCount(3);
  Grid.SetRowCount(3);
  Grid.SetFixedCols(0);
  Grid.SetDefaultColWidth(30);
  Grid.SetDefaultRowHeight(15);
  const QImage I = Grid.grab().toImage();
  ASSERT_EQ(I.width(), 120);
  const auto At = [&](int X, int Y) { return QRgbToTColor(I.pixel(X, Y)); };
  const auto Rgb = [](TColor C) { return QRgbToTColor(TColorToQRgb(C)); };
  // Cells start inside the two-pixel frame; each is followed by a grid line.
  EXPECT_EQ(Grid.CellRect(1, 2), QRect(2 + 31, 2 + 32, 30, 15));
  const std::tuple<int, int, TColor, const char*> Cases[] = {
      {20, 10, clBtnFace, "inside a heading"},     {2, 2, clBtnHighlight, "raised edge of a heading"},
      {31, 16, clBtnShadow, "raised edge, bottom right"}, {32, 10, clBlack, "line between headings"},
      {20, 25, clWindow, "ordinary cell"},          {32, 25, clSilver, "line between ordinary cells"},
      {110, 25, clWindow, "right of the last column"}, {0, 30, clBtnShadow, "sunken frame"},
  };
  for (const auto& [X, Y, Color, What] : Cases) EXPECT_EQ(At(X, Y), Rgb(Color)) << What;
}
