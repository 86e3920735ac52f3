// Exact pixels of the extended shapes drawn onto pictures.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "common/Colors.h"
#include "components/XShapes.h"
#include "components/XShapeFields.h"
#include "platform/Canvas.h"
#include "platform/Convert.h"
#include "platform/Graphics.h"

namespace {
using enum TShapeForm;
const QRgb Gray = qRgb(200, 200, 200);

QImage Draw(TXGraphicControl& Control, int W, int H, int X = 0, int Y = 0) {
  QImage Image(W, H, QImage::Format_RGB32);
  Image.fill(Gray);
  TCanvas C(&Image);
  Control.DrawAt(X, Y, C);
  C.EndPaint();
  return Image;
}

TColor At(const QImage& Image, int X, int Y) { return QRgbToTColor(Image.pixel(X, Y)); }

std::string FirstDifference(const QImage& A, const QImage& B) {
  if (A.size() != B.size()) return "sizes differ";
  for (int Y = 0; Y < A.height(); ++Y)
    for (int X = 0; X < A.width(); ++X)
      if (A.pixel(X, Y) != B.pixel(X, Y)) return std::to_string(X) + "," + std::to_string(Y);
  return "";
}

TEST(XShapePixels, LineAt45DegreesRunsCornerToCorner) {
  TXShape S;
  S.SetShape(srLine);
  S.SetRotation(45);
  const QImage I = Draw(S, 65, 65);
  for (int P : {9, 20, 32, 44, 55}) EXPECT_EQ(At(I, P, P), clBlack) << P;
  EXPECT_EQ(At(I, 8, 8), QRgbToTColor(Gray));
  EXPECT_EQ(At(I, 56, 56), QRgbToTColor(Gray));
  EXPECT_EQ(At(I, 32, 31), QRgbToTColor(Gray));
}

TEST(XShapePixels, InvariantRectangleIsASquare) {
  TXShape S;
  S.resize(100, 50);
  S.SetShape(srRect);
  S.SetInvariant(true);
  S.Brush()->SetColor(clYellow);
  const QImage I = Draw(S, 100, 51);
  const TColor Bg = QRgbToTColor(Gray);
  struct Probe {
    int X, Y;
    TColor Expected;
  } Probes[] = {{25, 25, clBlack}, {75, 25, clBlack}, {50, 0, clBlack}, {50, 50, clBlack},
                {50, 25, clYellow}, {24, 25, Bg},     {76, 25, Bg},      {10, 10, Bg}};
  for (const Probe& P : Probes) EXPECT_EQ(At(I, P.X, P.Y), P.Expected) << P.X << "," << P.Y;
}

TEST(XShapePixels, ShadowRingLiesLowerRight) {
  TXShape S;
  S.SetShape(shEllipse);
  S.SetColor2(clRed);
  const QImage I = Draw(S, 65, 65);
  // Right of the figure's edge on the middle row, and below it in the middle
  // column, the shadow shows; nothing of it left of or above the figure.
  EXPECT_EQ(At(I, 63, 32), clRed);
  EXPECT_EQ(At(I, 32, 63), clRed);
  EXPECT_EQ(At(I, 64, 32), QRgbToTColor(Gray));
  EXPECT_EQ(At(I, 0, 31), clBlack);
  EXPECT_EQ(At(I, 31, 0), clBlack);
  EXPECT_EQ(At(I, 31, 31), clWhite);
  int Red = 0;
  for (int Y = 0; Y < 65; ++Y)
    for (int X = 0; X < 65; ++X)
      if (At(I, X, Y) == clRed) {
        ++Red;
        EXPECT_GT(X + Y, 64) << X << "," << Y;  // only on the lower-right half
      }
  EXPECT_GT(Red, 50);
}

TEST(XShapePixels, BandsAreThreePixelsWide) {
  TXShape S;
  S.resize(30, 20);
  S.SetShape(sfHLinear);
  S.Brush()->SetColor(clWhite);
  S.SetColor2(clBlack);
  const QImage I = Draw(S, 30, 20);
  const int Row = 10;
  EXPECT_EQ(At(I, 1, Row), clWhite);
  EXPECT_EQ(At(I, 2, Row), clWhite);
  for (int X = 3; X < 6; ++X) EXPECT_EQ(At(I, X, Row), RGB(229, 229, 229)) << X;
  for (int X = 6; X < 9; ++X) EXPECT_EQ(At(I, X, Row), RGB(204, 204, 204)) << X;
  // The outline frames the whole control.
  EXPECT_EQ(At(I, 0, Row), clBlack);
  EXPECT_EQ(At(I, 29, Row), clBlack);
  EXPECT_EQ(At(I, 15, 0), clBlack);
  EXPECT_EQ(At(I, 15, 19), clBlack);

  S.SetShape(sfVLinear);
  S.SetScaleY(5);
  const QImage V = Draw(S, 30, 20);
  EXPECT_EQ(At(V, 10, 1), clWhite);
  EXPECT_EQ(At(V, 10, 4), clWhite);
  EXPECT_EQ(At(V, 10, 5), RGB(191, 191, 191));  // n = 4: 255 - round(63.75)
}

TEST(XShapePixels, ColorFieldCells) {
  TXShape S;
  S.resize(40, 20);
  S.SetShape(stFloatColorD);
  S.Brush()->SetColor(clWhite);
  S.SetColor2(clBlack);
  S.SetScaleX(10);
  S.SetScaleY(10);
  const QImage I = Draw(S, 40, 20);
  // Four columns and two rows of 10 x 10 cells; weight (i / 4 + j / 2) / 2.
  EXPECT_EQ(At(I, 0, 0), clBlack);
  EXPECT_EQ(At(I, 9, 9), clBlack);
  EXPECT_EQ(At(I, 10, 0), BlendColor(clWhite, clBlack, 0.125L));
  EXPECT_EQ(At(I, 39, 19), BlendColor(clWhite, clBlack, 0.625L));
}

TEST(XShapePixels, BlockArrowAndRasterKinds) {
  TXShape S;
  S.resize(60, 40);
  S.SetShape(stArrowRight);
  S.SetScaleX(10);
  S.SetScaleY(5);
  S.Brush()->SetColor(clLime);
  QImage I = Draw(S, 60, 40);
  EXPECT_EQ(At(I, 20, 10), clLime);   // shaft
  EXPECT_EQ(At(I, 20, 3), QRgbToTColor(Gray));
  EXPECT_EQ(At(I, 52, 10), clLime);   // head
  S.SetRotation(90);
  I = Draw(S, 60, 40);
  EXPECT_EQ(At(I, 20, 36), clLime);   // head near the bottom, tip at (20, 39)
  EXPECT_EQ(At(I, 20, 10), clLime);   // shaft from the top
  EXPECT_EQ(At(I, 50, 10), QRgbToTColor(Gray));

  // "And" with the gray below: yellow AND gray per channel.
  S.SetShape(trRect1);
  S.Brush()->SetColor(clYellow);
  I = Draw(S, 60, 40);
  EXPECT_EQ(At(I, 30, 20), RGB(200, 200, 0));
  S.SetShape(trRect2);
  I = Draw(S, 60, 40);
  EXPECT_EQ(At(I, 30, 20), RGB(255, 255, 200));
}

TEST(XShapePixels, DrawAtAnOffsetMatchesOwnDrawing) {
  // Every kind drawn at (Left, Top) of a larger picture gives the same pixels
  // as drawn at (0, 0) of its own picture, letters included.
  for (int K = 0; K < ShapeFormCount; ++K) {
    const auto Kind = static_cast<TShapeForm>(K);
    if (Kind == stFloatColorH || Kind == stFloatColorV) continue;  // random
    TXShape S;
    S.setGeometry(37, 31, 70, 50);
    S.SetShape(Kind);
    S.SetCaption("Ab");
    S.SetDescription(true);
    S.SetLines(true);
    S.SetColor2(clBlue);
    S.SetScaleX(Kind == stArrowRight ? 12 : 3);
    S.SetScaleY(Kind == stArrowRight ? 6 : 3);
    S.SetRotation(20);
    const QImage Own = Draw(S, 70 + 40, 50 + 40, 20, 20);
    QImage Page(200, 160, QImage::Format_RGB32);
    Page.fill(Gray);
    {
      TCanvas C(&Page);
      S.PaintAt(C);
    }
    EXPECT_EQ(FirstDifference(Page.copy(37 - 20, 31 - 20, 110, 90), Own), "") << ShapeFormToIdent(Kind);
  }
}

TEST(XShapePixels, HiddenShapeDrawsNothing) {
  TXShape S;
  S.SetVisible(false);
  const QImage I = Draw(S, 65, 65);
  QImage Blank(65, 65, QImage::Format_RGB32);
  Blank.fill(Gray);
  EXPECT_EQ(I, Blank);
}

TEST(XBeamPixels, MarksOnA700PixelBeam) {
  TBeam B;
  B.resize(700, 40);
  const QImage I = Draw(B, 700, 40);
  const int M = 20;
  for (int K = 0; K <= 8; ++K) {
    const int X = 80 * K;
    EXPECT_EQ(At(I, X, M - 4), clBlack) << K;
    EXPECT_EQ(At(I, X, M + 4), clBlack) << K;
    EXPECT_NE(At(I, X + 1, M - 4), clBlack) << K;
    // A label right below the mark.
    int Ink = 0;
    for (int Y = M + 6; Y < 40; ++Y)
      for (int Dx = -6; Dx <= 6; ++Dx) Ink += At(I, std::max(0, X + Dx), Y) != QRgbToTColor(Gray);
    EXPECT_GT(Ink, 3) << K;
  }
  EXPECT_EQ(At(I, 4, M - 2), clBlack);  // a tick
  EXPECT_NE(At(I, 4, M - 3), clBlack);
  EXPECT_EQ(At(I, 699, M), clBlack);    // axis to the arrow tip
  EXPECT_EQ(At(I, 695, M - 5), clBlack);  // upper arrow stroke
  EXPECT_DOUBLE_EQ(B.ValueAt(200), 2.5);
}

TEST(XBeamPixels, PointerTriangle) {
  TBeam B;
  B.resize(300, 40);
  B.SetPointer(1.5);
  B.SetTickDistance(0);
  const QImage I = Draw(B, 300, 40);
  EXPECT_EQ(At(I, 120, 30), clRed);  // inside the triangle below the axis
  EXPECT_NE(At(I, 110, 30), clRed);
}
}  // namespace
