#include <gtest/gtest.h>

#include <QImage>
#include <QMetaProperty>
#include <memory>
#include <string>

#include "platform/CanvasTestUtil.h"
#include "scene/MMShapes.h"

namespace {

// Counts the notifications a shape sends its owner.
struct TCountingOwner : TShapeOwner {
  int Count = 0;
  void Changed() override { ++Count; }
};

// Scene points at absolute positions, IDs 0, 1, 2, ... in order.
std::unique_ptr<TMMPoints> PointsAt(std::initializer_list<TPoint> Positions) {
  auto Points = std::make_unique<TMMPoints>();
  for (TPoint P : Positions) {
    TMMPoint& Item = Points->Add();
    Item.SetX(P.X);
    Item.SetY(P.Y);
  }
  return Points;
}

bool IsBlack(TImageCanvas& C, int X, int Y) { return C.At(X, Y) == clBlack; }

TEST(MMShapesDraw, ArrowHeadIsAClosedOutlineAndThinArrowTwoBarbs) {
  auto Points = PointsAt({{10, 20}, {110, 20}});
  for (int Kind : {leArrow, leThinArrow}) {
    TImageCanvas C(130, 40);
    TSLine Line;
    Line.SetP1(0);
    Line.SetP2(1);
    Line.SetLineEnd2(Kind);
    Line.Paint(C.Canvas, *Points);
    // Both barbs end 10 back and 3 across.
    EXPECT_TRUE(IsBlack(C, 100, 23));
    EXPECT_TRUE(IsBlack(C, 100, 17));
    // Only the closed head has its back edge.
    EXPECT_EQ(IsBlack(C, 100, 19), Kind == leArrow) << Kind;
    EXPECT_EQ(IsBlack(C, 100, 21), Kind == leArrow) << Kind;
    // No head at the first end.
    EXPECT_FALSE(IsBlack(C, 20, 23));
  }
}

TEST(MMShapesDraw, FirstLineEndPointsAtTheFirstPoint) {
  auto Points = PointsAt({{10, 20}, {110, 20}});
  TImageCanvas C(130, 40);
  TSLine Line;
  Line.SetP1(0);
  Line.SetP2(1);
  Line.SetLineEnd1(leArrow);
  Line.Paint(C.Canvas, *Points);
  EXPECT_TRUE(IsBlack(C, 20, 23));
  EXPECT_TRUE(IsBlack(C, 20, 19));
  EXPECT_FALSE(IsBlack(C, 100, 23));
}

TEST(MMShapesDraw, ZeroLengthLineDrawsNoHead) {
  auto Points = PointsAt({{20, 20}});
  TImageCanvas C(40, 40);
  TSLine Line;
  Line.SetP1(0);
  Line.SetP2(0);
  Line.SetLineEnd1(leArrow);
  Line.SetLineEnd2(leThinArrow);
  Line.Paint(C.Canvas, *Points);
  EXPECT_EQ(ColorMask(C.Done(), clBlack).find('#'), std::string::npos);
}

TEST(MMShapesDraw, TicksEveryDistanceFromTheFirstPoint) {
  auto Points = PointsAt({{10, 20}, {45, 20}});
  TImageCanvas C(60, 40);
  TSTickedLine Ruler;
  Ruler.SetP1(0);
  Ruler.SetP2(1);
  Ruler.Paint(C.Canvas, *Points);
  for (int X = 10; X <= 45; ++X) {
    const bool Tick = X == 10 || X == 20 || X == 30 || X == 40;
    EXPECT_EQ(IsBlack(C, X, 23), Tick) << X;
    EXPECT_EQ(IsBlack(C, X, 17), Tick) << X;
  }
}

TEST(MMShapesDraw, RulerWithoutDistanceOrPointsDrawsOnlyItsLine) {
  auto Points = PointsAt({{10, 20}, {45, 20}});
  {
    TImageCanvas C(60, 40);
    TSTickedLine Ruler;
    Ruler.SetP1(0);
    Ruler.SetP2(1);
    Ruler.SetDistance(0);
    Ruler.Paint(C.Canvas, *Points);
    EXPECT_TRUE(IsBlack(C, 30, 20));
    EXPECT_FALSE(IsBlack(C, 10, 23));
  }
  {
    // P2 unset: the line runs to (0, 0), but no ticks are drawn.
    TImageCanvas C(60, 40);
    TSTickedLine Ruler;
    Ruler.SetP1(0);
    Ruler.Paint(C.Canvas, *Points);
    EXPECT_FALSE(IsBlack(C, 10, 24));
    EXPECT_FALSE(IsBlack(C, 10, 16));
  }
}

TEST(MMShapesDraw, InterpretedStringDrawsNothing) {
  auto Points = PointsAt({{5, 5}});
  TImageCanvas C(80, 30);
  TSString Text;
  Text.SetText("Hallo");
  Text.SetInterpreted(true);
  Text.Paint(C.Canvas, *Points);
  EXPECT_EQ(ColorMask(C.Done(), clWhite).find('.'), std::string::npos);

  // Written out, the ink lies in the text's box from the point on and
  // fills most of its width.
  Text.SetInterpreted(false);
  Text.Font()->SetColor(clBlack);
  Text.Paint(C.Canvas, *Points);
  C.Canvas.SetFont(*Text.Font());
  const TSize Extent = C.Canvas.TextExtent(QStringLiteral("Hallo"));
  const QImage& Image = C.Done();
  QRect Ink;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X)
      if ((Image.pixel(X, Y) & 0xFFFFFF) != 0xFFFFFF) Ink |= QRect(X, Y, 1, 1);
  ASSERT_FALSE(Ink.isEmpty());
  EXPECT_TRUE(QRect(5, 5, Extent.cx, Extent.cy).contains(Ink)) << Ink.x() << "," << Ink.y() << " "
                                                                      << Ink.width() << "x" << Ink.height();
  EXPECT_GE(Ink.width(), Extent.cx * 3 / 4);
  EXPECT_GE(Ink.height(), Extent.cy / 2);
}

TEST(MMShapesDraw, SpeedometerNeedleFollowsTheParameter) {
  auto Points = PointsAt({{0, 0}, {100, 100}});
  auto NeedleColumn = [&](int Parameter) {
    TImageCanvas C(101, 101);
    TSForm Tacho;
    Tacho.SetP1(0);
    Tacho.SetP2(1);
    Tacho.SetKind(sfTacho);
    Tacho.SetParameter(Parameter);
    Tacho.Paint(C.Canvas, *Points);
    // Between the centre (49, 49) and the ticks: only the needle is black.
    int Black = 0;
    for (int Y = 20; Y <= 40; ++Y) Black += IsBlack(C, 49, Y) ? 1 : 0;
    return Black;
  };
  EXPECT_EQ(NeedleColumn(100), 21);
  EXPECT_EQ(NeedleColumn(0), 0);
  EXPECT_EQ(NeedleColumn(200), 0);
}

TEST(MMShapesDraw, CheckBoxCrossOnlyWhenChecked) {
  auto Points = PointsAt({{20, 20}});
  for (bool Checked : {false, true}) {
    TImageCanvas C(80, 40);
    TSCheckBox Box;
    Box.SetPoint(0);
    Box.SetChecked(Checked);
    Box.Paint(C.Canvas, *Points);
    // Frame: grey shadow top-left, white light inside right-bottom.
    EXPECT_EQ(C.At(12, 12), TColor(8421504));
    EXPECT_EQ(C.At(12, 18), TColor(8421504));
    EXPECT_EQ(C.At(25, 18), clWhite);
    // The cross runs through the middle.
    EXPECT_EQ(IsBlack(C, 16, 16), Checked);
  }
}

TEST(MMShapesDraw, CheckBoxRemembersItsCaptionWidthForHitTests) {
  auto Points = PointsAt({{20, 20}});
  TSCheckBox Box;
  Box.SetPoint(0);
  Box.SetCaption("Ein langer Text");
  EXPECT_EQ(Box.CaptionWidth(), 8);
  TImageCanvas C(200, 40);
  Box.Paint(C.Canvas, *Points);
  const int Width = Box.CaptionWidth();
  EXPECT_GT(Width, 40);
  EXPECT_TRUE(Box.HitTest(20 + 16 + Width, 20, *Points));
  EXPECT_FALSE(Box.HitTest(20 + 17 + Width, 20, *Points));
}

TEST(MMShapesDraw, HotspotAndDynaLineDrawDottedHandles) {
  auto Points = PointsAt({{20, 20}, {60, 20}});
  TImageCanvas C(80, 40);
  TSHotspot Spot;
  Spot.SetPoint(0);
  Spot.Paint(C.Canvas, *Points);
  // Dots on every other pixel of the square 12 .. 27.
  EXPECT_TRUE(IsBlack(C, 12, 12));
  EXPECT_FALSE(IsBlack(C, 13, 12));
  EXPECT_TRUE(IsBlack(C, 26, 26));

  TImageCanvas D(80, 40);
  TSDynaLine Line;
  Line.SetP1(0);
  Line.SetP2(1);
  Line.Paint(D.Canvas, *Points);
  for (int X : {14, 54, 34}) EXPECT_TRUE(IsBlack(D, X, 14)) << X;  // the three handles
  Line.SetSelected(false);
  TImageCanvas E(80, 40);
  Line.Paint(E.Canvas, *Points);
  EXPECT_FALSE(IsBlack(E, 34, 14));
}

TEST(MMShapesDraw, PoleIsABarAroundItsPoints) {
  auto Points = PointsAt({{20, 20}, {60, 20}});
  TImageCanvas C(80, 40);
  TSPole Pole;
  Pole.SetP1(0);
  Pole.SetP2(1);
  Pole.Brush()->SetColor(clRed);
  Pole.Paint(C.Canvas, *Points);
  EXPECT_EQ(C.At(40, 20), clRed);
  EXPECT_EQ(C.At(17, 20), clRed);  // reaches 5 beyond the points
  EXPECT_EQ(C.At(40, 27), clWhite);
  TImageCanvas Empty(80, 40);
  Pole.SetP2(0);
  Pole.Paint(Empty.Canvas, *Points);
  EXPECT_EQ(Empty.At(20, 20), clWhite);
}

TEST(MMShapesDraw, HalfCircleLiesOnTheSideOfTheSecondPoint) {
  auto Points = PointsAt({{40, 40}, {40, 60}});
  TImageCanvas C(80, 80);
  TSHalfCircle Half;
  Half.SetP1(0);
  Half.SetP2(1);
  Half.Brush()->SetColor(clBlue);
  Half.Paint(C.Canvas, *Points);
  EXPECT_EQ(C.At(40, 50), clBlue);
  EXPECT_EQ(C.At(40, 30), clWhite);
}

TEST(MMShapesDraw, TextBoxCentresItsTextOnThePositionPoint) {
  auto Points = PointsAt({{10, 10}, {110, 50}, {60, 30}});
  TImageCanvas C(120, 60);
  TSTextBox Box;
  Box.SetP1(0);
  Box.SetP2(1);
  Box.SetPosition(2);
  Box.SetText("MMMM");
  Box.Font()->SetColor(clRed);
  Box.Paint(C.Canvas, *Points);
  EXPECT_TRUE(IsBlack(C, 10, 30));   // frame
  EXPECT_TRUE(IsBlack(C, 109, 30));
  int Left = 200, Right = -1;
  for (int X = 0; X < 120; ++X)
    for (int Y = 0; Y < 60; ++Y)
      if (const TColor P = C.At(X, Y); (P & 0xFF) >= 160 && ((P >> 8) & 0xFF) <= 110 && ((P >> 16) & 0xFF) <= 110) {
        // red ink, also where antialiasing mixed it with the white ground
        Left = std::min(Left, X);
        Right = std::max(Right, X);
      }
  ASSERT_LE(Left, Right);
  EXPECT_NEAR((Left + Right) / 2.0, 60, 3);
}

// Every shape kind drawn in its own cell: each visible kind leaves pixels.
// Set VELOTRA_SCENE_GALLERY to a file name to keep the picture.
TEST(MMShapesDraw, GalleryOfAllKinds) {
  constexpr int Cell = 90;
  constexpr int Columns = 6;
  TImageCanvas C(Cell * Columns, Cell * ((ShapeTypeCount + Columns - 1) / Columns));
  TMMPoints Points;
  for (int Kind = 0; Kind < ShapeTypeCount; ++Kind) {
    const int X0 = (Kind % Columns) * Cell;
    const int Y0 = (Kind / Columns) * Cell;
    // Four corners per cell: top left, bottom right, bottom middle, top right;
    // four-point shapes go round them.
    const int First = Points.Count();
    const bool Round = Kind == stQuadruPoint || Kind == stBezier;
    const TPoint TL = {X0 + 15, Y0 + 15}, BR = {X0 + 75, Y0 + 70}, BM = {X0 + 45, Y0 + 70}, TR = {X0 + 75, Y0 + 25};
    const TPoint Corners[] = {TL, Round ? TR : BR, Round ? BR : BM, Round ? BM : TR};
    for (TPoint P : Corners) {
      TMMPoint& Item = Points.Add();
      Item.SetX(P.X);
      Item.SetY(P.Y);
    }
    auto Shape = CreateShape(static_cast<TShapeType>(Kind));
    auto* S = qobject_cast<TSShape*>(Shape.get());
    if (!S) continue;
    for (const char* Name : {"Point", "P1"}) S->setProperty(Name, First);
    S->setProperty("P2", First + 1);
    S->setProperty("P3", First + 2);
    S->setProperty("P4", First + 3);
    S->setProperty("Position", First);
    S->setProperty("Text", "Text");
    S->setProperty("Caption", "Box");
    S->setProperty("Radius", 20);
    S->setProperty("LineEnd2", static_cast<int>(leArrow));
    S->setProperty("Parameter", 150);
    if (Kind == stForm) S->setProperty("Kind", static_cast<int>(sfVan));
    if (auto* Brush = S->property("Brush").value<TBrush*>()) Brush->SetColor(clAqua);
    S->Paint(C.Canvas, Points);
    if (Kind == stGraphic || Kind == stBitmap || Kind == stImageListBMP) continue;
    bool Drawn = false;
    const QImage& Image = C.Done();
    for (int Y = Y0; Y < Y0 + Cell && !Drawn; ++Y)
      for (int X = X0; X < X0 + Cell && !Drawn; ++X) Drawn = Image.pixel(X, Y) != qRgb(255, 255, 255);
    EXPECT_TRUE(Drawn) << ShapeTypeToIdent(static_cast<TShapeType>(Kind));
  }
  if (const QByteArray File = qgetenv("VELOTRA_SCENE_GALLERY"); !File.isEmpty()) C.Done().save(QString::fromLocal8Bit(File));
}

TEST(MMShapesDraw, FormPicturesAllDraw) {
  constexpr int Cell = 110;
  TImageCanvas C(Cell * 7, Cell);
  TMMPoints Points;
  for (int Kind = sfSphere; Kind <= sfTacho; ++Kind) {
    TMMPoint& A = Points.Add();
    A.SetX(Kind * Cell + 5);
    A.SetY(5);
    TMMPoint& B = Points.Add();
    B.SetX(Kind * Cell + 105);
    B.SetY(Kind == sfLKW || Kind == sfVan ? 65 : 105);
    TSForm Form;
    Form.SetP1(A.ID());
    Form.SetP2(B.ID());
    Form.SetKind(Kind);
    Form.SetParameter(60);
    Form.Brush()->SetColor(clSilver);
    Form.Paint(C.Canvas, Points);
    // Every picture fills part of its box with the shape's brush.
    bool Filled = false;
    for (int Y = 5; Y < 105 && !Filled; ++Y)
      for (int X = Kind * Cell + 5; X < Kind * Cell + 105 && !Filled; ++X) Filled = C.At(X, Y) == clSilver;
    EXPECT_TRUE(Filled) << FormKindToIdent(static_cast<TFormKind>(Kind));
  }
  if (const QByteArray File = qgetenv("VELOTRA_SCENE_FORMS"); !File.isEmpty()) C.Done().save(QString::fromLocal8Bit(File));
}

}  // namespace
