// The canvas's pixel rules on a QImage: exclusive right and bottom edges,
// outlines inside the figure, end pixels of lines left out, pen modes.
#include <gtest/gtest.h>

#include <QWidget>

#include "CanvasTestUtil.h"
#include "platform/Bitmap.h"

TEST(Canvas, RectangleCoversLeftTopToRightBottomExclusive) {
  TImageCanvas T(12, 12);
  T.Canvas.Brush().SetColor(clRed);
  T.Canvas.Rectangle(0, 0, 10, 10);
  const QImage& I = T.Done();
  EXPECT_EQ(ColorMask(I, clBlack), Rows({"##########..", "#........#..", "#........#..", "#........#..",
                                         "#........#..", "#........#..", "#........#..", "#........#..",
                                         "#........#..", "##########..", "............", "............"}));
  EXPECT_EQ(T.At(1, 1), clRed);
  EXPECT_EQ(T.At(8, 8), clRed);
  EXPECT_EQ(T.At(10, 5), clWhite);
}

TEST(Canvas, SwappedCornersDrawTheSameRectangle) {
  TImageCanvas A(8, 8), B(8, 8);
  A.Canvas.Rectangle(1, 2, 6, 7);
  B.Canvas.Rectangle(6, 7, 1, 2);
  EXPECT_EQ(A.Done(), B.Done());
}

TEST(Canvas, WidePenLiesInsideAndClearPenFillsOnePixelLess) {
  TImageCanvas T(8, 8);
  T.Canvas.Pen().SetWidth(2);
  T.Canvas.Brush().SetColor(clLime);
  T.Canvas.Rectangle(0, 0, 6, 6);
  EXPECT_EQ(ColorMask(T.Done(), clLime),
            Rows({"........", "........", "..##....", "..##....", "........", "........", "........", "........"}));

  TImageCanvas C(6, 6);
  C.Canvas.Pen().SetStyle(psClear);
  C.Canvas.Brush().SetColor(clBlue);
  C.Canvas.Rectangle(1, 1, 5, 5);
  EXPECT_EQ(ColorMask(C.Done(), clBlue), Rows({"......", ".###..", ".###..", ".###..", "......", "......"}));
}

TEST(Canvas, EllipseStaysInsideItsBounds) {
  TImageCanvas T(14, 12);
  T.Canvas.Brush().SetColor(clYellow);
  T.Canvas.Ellipse(2, 1, 12, 11);
  const QImage& I = T.Done();
  EXPECT_EQ(ColorMask(I, clBlack), Rows({"..............",
                                         ".....####.....",
                                         "...##....##...",
                                         "...#......#...",
                                         "..#........#..",
                                         "..#........#..",
                                         "..#........#..",
                                         "..#........#..",
                                         "...#......#...",
                                         "...##....##...",
                                         ".....####.....",
                                         ".............."}));
  EXPECT_EQ(T.At(7, 5), clYellow);
  EXPECT_EQ(T.At(2, 1), clWhite);  // corners stay untouched
}

TEST(Canvas, RoundRectRoundsOnlyItsCorners) {
  TImageCanvas T(12, 8);
  T.Canvas.Brush().SetStyle(bsClear);
  T.Canvas.RoundRect(0, 0, 12, 8, 6, 6);
  const std::string M = ColorMask(T.Done(), clBlack);
  EXPECT_EQ(M.substr(0, 13), ".##########.\n");
  EXPECT_EQ(M.substr(13, 13), "##........##\n");
  EXPECT_EQ(M.substr(4 * 13, 13), "#..........#\n");
  EXPECT_EQ(T.At(6, 4), clWhite);  // clear brush: interior untouched
}

TEST(Canvas, LineToLeavesOutItsEndPixelAndMovesThePen) {
  TImageCanvas T(8, 8);
  T.Canvas.MoveTo(1, 1);
  T.Canvas.LineTo(6, 1);
  T.Canvas.LineTo(6, 5);
  EXPECT_EQ(T.Canvas.PenPos(), (TPoint{6, 5}));
  EXPECT_EQ(ColorMask(T.Done(), clBlack),
            Rows({"........", ".######.", "......#.", "......#.", "......#.", "........", "........", "........"}));
}

TEST(Canvas, PolygonOutlinePassesThroughEveryVertex) {
  TImageCanvas T(8, 8);
  T.Canvas.Brush().SetColor(clRed);
  T.Canvas.Polygon({{1, 1}, {5, 1}, {5, 5}, {1, 5}});
  EXPECT_EQ(ColorMask(T.Done(), clBlack),
            Rows({"........", ".#####..", ".#...#..", ".#...#..", ".#...#..", ".#####..", "........", "........"}));
  EXPECT_EQ(T.At(3, 3), clRed);
}

TEST(Canvas, DashedPenLeavesGapsInTheBackgroundMode) {
  TImageCanvas T(30, 2);
  T.Canvas.Pen().SetStyle(psDot);
  T.Canvas.Brush().SetColor(clLime);  // solid brush: opaque gaps in its colour
  T.Canvas.MoveTo(0, 0);
  T.Canvas.LineTo(12, 0);
  T.Canvas.Brush().SetStyle(bsClear);  // clear brush: transparent gaps
  T.Canvas.MoveTo(0, 1);
  T.Canvas.LineTo(12, 1);
  const QImage& I = T.Done();
  EXPECT_EQ(ColorMask(I, clBlack).substr(0, 13), "###...###...." );
  EXPECT_EQ(ColorMask(I, clLime).substr(0, 13), "...###...###.");
  EXPECT_EQ(ColorMask(I, clWhite).substr(31, 13), "...###...####");
}

TEST(Canvas, Frame3DPaintsTopLeftAndBottomRightAndShrinksTheRect) {
  TImageCanvas T(8, 8);
  TRect R{1, 1, 7, 7};
  Frame3D(T.Canvas, R, clWhite, clGray, 1);
  Frame3D(T.Canvas, R, clRed, clBlue, 1);
  EXPECT_EQ(R, (TRect{3, 3, 5, 5}));
  const QImage& I = T.Done();
  EXPECT_EQ(ColorMask(I, clGray),
            Rows({"........", "......#.", "......#.", "......#.", "......#.", "......#.", ".######.", "........"}));
  EXPECT_EQ(ColorMask(I, clRed),
            Rows({"........", "........", "..###...", "..#.....", "..#.....", "........", "........", "........"}));
  EXPECT_EQ(ColorMask(I, clBlue),
            Rows({"........", "........", ".....#..", ".....#..", ".....#..", "..####..", "........", "........"}));
  EXPECT_EQ(T.Canvas.Pen().Color(), clBlue);
  EXPECT_EQ(T.Canvas.Pen().Width(), 1);
}

TEST(Canvas, PenModesCombinePenAndBrushWithThePixelsBelow) {
  struct Case {
    TPenMode Mode;
    TColor Expected;  // drawing red over cyan-ish (0x00C0FF20 as 0xBBGGRR)
  } Cases[] = {
      {pmCopy, clRed},
      {pmBlack, clBlack},
      {pmWhite, clWhite},
      {pmNop, RGB(0x20, 0xFF, 0xC0)},
      {pmNot, RGB(0xDF, 0x00, 0x3F)},
      {pmXor, RGB(0xDF, 0xFF, 0xC0)},
      {pmNotXor, RGB(0x20, 0x00, 0x3F)},
      {pmMerge, RGB(0xFF, 0xFF, 0xC0)},
      {pmMask, RGB(0x20, 0x00, 0x00)},
      {pmNotCopy, RGB(0x00, 0xFF, 0xFF)},
      {pmMergeNotPen, RGB(0x20, 0xFF, 0xFF)},
      {pmMaskPenNot, RGB(0xDF, 0x00, 0x00)},
  };
  for (const auto& C : Cases) {
    TImageCanvas T(4, 4);
    T.Image.fill(TColorToQColor(RGB(0x20, 0xFF, 0xC0)));
    T.Canvas.Pen().SetColor(clRed);
    T.Canvas.Pen().SetMode(C.Mode);
    T.Canvas.Brush().SetColor(clRed);
    T.Canvas.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(T.At(0, 0), C.Expected) << C.Mode;  // pen
    EXPECT_EQ(T.At(1, 1), C.Expected) << C.Mode;  // brush
  }
}

TEST(Canvas, XorLineDrawnTwiceRestoresThePicture) {
  TImageCanvas T(40, 30);
  T.Canvas.Brush().SetColor(clTeal);
  T.Canvas.Ellipse(3, 3, 35, 25);
  const QImage Before = T.Done().copy();
  T.Canvas.Pen().SetMode(pmXor);
  T.Canvas.Pen().SetColor(clYellow);
  for (int Pass = 0; Pass < 2; ++Pass) {
    T.Canvas.MoveTo(0, 29);
    T.Canvas.LineTo(39, 0);
    T.Canvas.Polyline({{0, 0}, {20, 15}, {39, 2}, {5, 28}});
  }
  EXPECT_EQ(T.Done(), Before);
}

TEST(Canvas, FocusRectInvertsEveryOtherPixelAndDrawnTwiceVanishes) {
  TImageCanvas T(6, 5);
  T.Canvas.DrawFocusRect({0, 0, 6, 5});
  EXPECT_EQ(ColorMask(T.Done(), clBlack), Rows({"#.#.#.", ".....#", "#.....", ".....#", "#.#.#."}));
  T.Canvas.DrawFocusRect({0, 0, 6, 5});
  EXPECT_EQ(ColorMask(T.Done(), clWhite), Rows({"######", "######", "######", "######", "######"}));
}

TEST(Canvas, FillAndFrameUseTheBrushAndIgnoreThePen) {
  TImageCanvas T(6, 6);
  T.Canvas.Pen().SetMode(pmXor);
  T.Canvas.Brush().SetColor(clNavy);
  T.Canvas.FillRect({1, 1, 3, 3});
  T.Canvas.Brush().SetColor(clMaroon);
  T.Canvas.FrameRect({2, 2, 6, 6});
  const QImage& I = T.Done();
  EXPECT_EQ(ColorMask(I, clNavy), Rows({"......", ".##...", ".#....", "......", "......", "......"}));
  EXPECT_EQ(ColorMask(I, clMaroon), Rows({"......", "......", "..####", "..#..#", "..#..#", "..####"}));
}

TEST(Canvas, ClipRectLimitsEveryFigure) {
  TImageCanvas T(10, 10);
  T.Canvas.SetClipRect({2, 2, 8, 8});
  EXPECT_EQ(T.Canvas.ClipRect(), (TRect{2, 2, 8, 8}));
  T.Canvas.Brush().SetColor(clBlack);
  T.Canvas.Ellipse(-100, -100, 100, 100);
  T.Canvas.MoveTo(0, 0);
  T.Canvas.LineTo(10, 10);
  const QImage& I = T.Done();
  EXPECT_EQ(ColorMask(I, clBlack), Rows({"..........", "..........", "..######..", "..######..", "..######..",
                                         "..######..", "..######..", "..######..", "..........", ".........."}));
}

TEST(Canvas, NoDeviceMeansNoDrawingAndNoCrash) {
  TCanvas C;
  C.Rectangle(0, 0, 10, 10);
  C.TextOut(0, 0, QStringLiteral("x"));
  EXPECT_EQ(C.Pixel(0, 0), clNone);
  QImage Empty;
  TCanvas E(&Empty);
  E.Ellipse(0, 0, 5, 5);
  // Text is measured as on a real picture with the same font.
  QImage Real(20, 20, QImage::Format_RGB32);
  TCanvas R(&Real);
  EXPECT_EQ(E.TextWidth(QStringLiteral("abc")), R.TextWidth(QStringLiteral("abc")));
  EXPECT_GT(R.TextWidth(QStringLiteral("abc")), 0);
}

TEST(Canvas, DrawsThroughABorrowedPainter) {
  QImage Image(5, 5, QImage::Format_RGB32);
  Image.fill(Qt::white);
  QPainter P(&Image);
  {
    TCanvas C(&P);
    C.Brush().SetColor(clRed);
    C.Rectangle(0, 0, 3, 3);
  }
  EXPECT_TRUE(P.isActive());
  P.end();
  EXPECT_EQ(QRgbToTColor(Image.pixel(0, 0)), clBlack);
  EXPECT_EQ(QRgbToTColor(Image.pixel(1, 1)), clRed);
  EXPECT_EQ(QRgbToTColor(Image.pixel(3, 3)), clWhite);
}

namespace {

// A widget that paints with a canvas in its paint event, the way controls do.
class TPaintedWidget : public QWidget {
 public:
  TBitmap* Mask = nullptr;
  TRect Clip;

 protected:
  void paintEvent(QPaintEvent*) override {
    TCanvas C(this);
    Clip = C.ClipRect();
    C.Brush().SetColor(clWhite);
    C.FillRect({0, 0, width(), height()});
    C.Brush().SetColor(clRed);
    C.Rectangle(2, 2, 12, 12);
    BitBlt(C, 20, 0, 10, 10, Mask->Canvas(), 0, 0, SRCINVERT);
  }
};

}  // namespace

TEST(Canvas, PaintsOnAWidgetInItsPaintEvent) {
  TBitmap Mask(10, 10);
  Mask.Canvas().Brush().SetColor(clBlack);
  Mask.Canvas().FillRect({0, 0, 5, 10});  // left half black: XOR keeps, right half white: XOR inverts
  TPaintedWidget W;
  W.Mask = &Mask;
  W.resize(40, 20);
  const QImage I = W.grab().toImage();
  EXPECT_EQ(W.Clip, (TRect{0, 0, 40, 20}));
  EXPECT_EQ(QRgbToTColor(I.pixel(2, 2)), clBlack);
  EXPECT_EQ(QRgbToTColor(I.pixel(5, 5)), clRed);
  EXPECT_EQ(QRgbToTColor(I.pixel(12, 12)), clWhite);
  EXPECT_EQ(QRgbToTColor(I.pixel(21, 3)), clWhite);
  EXPECT_EQ(QRgbToTColor(I.pixel(27, 3)), clBlack);
}
