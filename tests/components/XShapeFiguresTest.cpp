// Pixel geometry of the unit figures, their letters and the arrows.
#include <gtest/gtest.h>

#include "components/XShapeFigures.h"

namespace {
using enum TShapeForm;

TFigureTransform Box(int W, int H) {
  TFigureTransform T;
  T.Width = W;
  T.Height = H;
  return T;
}

struct FigureCase {
  const char* Name;
  TShapeForm Kind;
  TFigureTransform T;
  std::vector<TPoint> Expected;
};

TEST(XShapeFigures, TransformedCorners) {
  TFigureTransform Turned = Box(65, 65);
  Turned.Rotation = 45;
  TFigureTransform Square = Box(100, 50);
  Square.Invariant = true;
  TFigureTransform Upright = Box(65, 65);
  Upright.Rotation = 90;
  TFigureTransform Short = Box(65, 65);
  Short.ScaleY = 0.5L;  // stretches the unit x coordinate
  TFigureTransform Flat = Box(65, 65);
  Flat.ScaleX = 0.5L;  // stretches the unit y coordinate
  const FigureCase Cases[] = {
      {"line at 45 degrees", srLine, Turned, {{9, 9}, {55, 55}}},
      {"invariant square", srRect, Square, {{25, 0}, {25, 50}, {75, 50}, {75, 0}}},
      {"plain rectangle", srRect, Box(65, 65), {{0, 0}, {0, 64}, {64, 64}, {64, 0}}},
      {"line turned upright", srLine, Upright, {{32, 0}, {32, 64}}},
      {"short line", srLine, Short, {{16, 32}, {48, 32}}},
      {"flat rectangle", srRect, Flat, {{0, 16}, {0, 48}, {64, 48}, {64, 16}}},
      {"triangle", srTriangle, Box(65, 65), {{0, 0}, {0, 64}, {64, 64}}},
      {"second triangle", srTriangle2, Box(65, 65), {{0, 0}, {64, 64}, {64, 0}}},
      {"not a unit figure", shEllipse, Box(65, 65), {}},
  };
  for (const FigureCase& C : Cases) {
    EXPECT_EQ(TransformFigure(C.Kind, C.T, 0, 0), C.Expected) << C.Name;
    std::vector<TPoint> Shifted = C.Expected;
    for (TPoint& P : Shifted) P = {P.X + 100, P.Y + 7};
    EXPECT_EQ(TransformFigure(C.Kind, C.T, 100, 7), Shifted) << C.Name << " at an offset";
  }
}

TEST(XShapeFigures, UnitFigureSizes) {
  const std::pair<TShapeForm, size_t> Sizes[] = {{srRect, 4},   {srTriangle, 3}, {srTriangle2, 3},
                                                 {srLine, 2},   {srArrow1, 5},   {srArrow2, 7},
                                                 {srArrow3, 8}, {srArrow4, 10},  {stTextBox, 0}};
  for (auto [Kind, N] : Sizes) EXPECT_EQ(UnitFigure(Kind).size(), N) << ShapeFormToIdent(Kind);
}

TEST(XShapeFigures, OddValuesStayFinite) {
  TFigureTransform T = Box(65, 65);
  T.ScaleX = T.ScaleY = 1e300L;
  T.Rotation = std::numeric_limits<long double>::quiet_NaN();
  for (const TPoint& P : TransformFigure(srArrow4, T, 0, 0)) {
    EXPECT_LE(std::abs(P.X), (1 << 26) + 100);
    EXPECT_LE(std::abs(P.Y), (1 << 26) + 100);
  }
}

std::vector<std::string> Texts(const std::vector<TFigureLabel>& Labels) {
  std::vector<std::string> Out;
  for (const auto& L : Labels) Out.push_back(L.Text);
  return Out;
}

TEST(XShapeFigures, VertexAndSideLetters) {
  const TFigureTransform T = Box(65, 65);
  EXPECT_EQ(Texts(FigureLabels(srRect, T, 0, 0, true, true)),
            (std::vector<std::string>{"A", "B", "C", "D", "a", "b", "c", "d"}));
  EXPECT_EQ(Texts(FigureLabels(srTriangle, T, 0, 0, true, true)), (std::vector<std::string>{"B", "C", "A"}));
  EXPECT_EQ(Texts(FigureLabels(srTriangle2, T, 0, 0, true, false)), (std::vector<std::string>{"B", "C", "A"}));
  EXPECT_EQ(Texts(FigureLabels(srLine, T, 0, 0, true, true)), (std::vector<std::string>{"B", "C"}));
  EXPECT_TRUE(FigureLabels(srArrow2, T, 0, 0, true, true).empty());
  EXPECT_TRUE(FigureLabels(srRect, T, 0, 0, false, false).empty());

  // Letters sit outside the figure: up-left of the upper-left corner,
  // down-right of the lower-right one; side "a" (left side) left of and
  // below its midpoint at (0, 32).
  const auto L = FigureLabels(srRect, T, 0, 0, true, true);
  EXPECT_EQ(L[0].At, (TPoint{-8, -16}));  // A at (0, 0)
  EXPECT_EQ(L[1].At, (TPoint{-8, 66}));   // B at (0, 64)
  EXPECT_EQ(L[2].At, (TPoint{64, 66}));   // C at (64, 64)
  EXPECT_EQ(L[3].At, (TPoint{64, -16}));  // D at (64, 0)
  EXPECT_EQ(L[4].At, (TPoint{-8, 34}));   // a at (0, 32)
  EXPECT_EQ(L[6].At, (TPoint{64, 34}));   // c at (64, 32)

  // Drawn at an offset, every letter keeps its place relative to the figure.
  const auto Moved = FigureLabels(srRect, T, 300, 200, true, true);
  ASSERT_EQ(Moved.size(), L.size());
  for (size_t I = 0; I < L.size(); ++I) EXPECT_EQ(Moved[I].At, (TPoint{L[I].At.X + 300, L[I].At.Y + 200}));
}

TEST(XShapeFigures, BlockArrowDirections) {
  const std::pair<long double, TArrowDirection> Cases[] = {
      {0, TArrowDirection::Right},    {44.9L, TArrowDirection::Right}, {45, TArrowDirection::Down},
      {134.9L, TArrowDirection::Down}, {135, TArrowDirection::Left},   {224.9L, TArrowDirection::Left},
      {225, TArrowDirection::Down},   {314.9L, TArrowDirection::Down}, {315, TArrowDirection::Right},
      {-90, TArrowDirection::Right},  {720, TArrowDirection::Right}};
  for (auto [R, D] : Cases) EXPECT_EQ(ArrowRightDirection(R), D) << static_cast<double>(R);
}

TEST(XShapeFigures, BlockArrowPoints) {
  const std::vector<TPoint> Right = {{0, 5}, {54, 5}, {54, 0}, {64, 10}, {54, 20}, {54, 15}, {0, 15}};
  EXPECT_EQ(BlockArrowPoints(65, 40, 10, 5, TArrowDirection::Right, 0, 0), Right);
  // Pointing left is the mirror image.
  std::vector<TPoint> Left = Right;
  for (TPoint& P : Left) P.X = 64 - P.X;
  EXPECT_EQ(BlockArrowPoints(65, 40, 10, 5, TArrowDirection::Left, 0, 0), Left);
  // Pointing down: tip at (2a, height - 1), shaft from the top.
  const std::vector<TPoint> Down = {{10, 0}, {10, 34}, {0, 34}, {20, 39}, {40, 34}, {30, 34}, {30, 0}};
  EXPECT_EQ(BlockArrowPoints(65, 40, 10, 5, TArrowDirection::Down, 0, 0), Down);
  EXPECT_EQ(BlockArrowPoints(65, 40, 10, 5, TArrowDirection::Down, 3, 4)[3], (TPoint{23, 43}));
}

TEST(XShapeFigures, ShadowArrowIsShiftedCopy) {
  const TSmallArrow Figure = ShadowArrow(50, 20, 2, 3, false, 0, 0);
  EXPECT_EQ(Figure.ShaftFrom, (TPoint{0, 10}));
  EXPECT_EQ(Figure.ShaftTo, (TPoint{43, 10}));
  EXPECT_EQ(Figure.Head, (std::vector<TPoint>{{40, 7}, {46, 10}, {40, 13}}));
  const TSmallArrow Shadow = ShadowArrow(50, 20, 2, 3, true, 0, 0);
  EXPECT_EQ(Shadow.ShaftFrom, (TPoint{2, 13}));
  EXPECT_EQ(Shadow.ShaftTo, (TPoint{47, 13}));
  EXPECT_EQ(Shadow.Head, (std::vector<TPoint>{{44, 10}, {50, 13}, {44, 16}}));
}

TEST(XShapeFigures, IdentifiersRoundTrip) {
  for (int I = 0; I < ShapeFormCount; ++I) {
    const auto Kind = static_cast<TShapeForm>(I);
    TShapeForm Back{};
    ASSERT_NE(ShapeFormToIdent(Kind), nullptr);
    EXPECT_TRUE(IdentToShapeForm(ShapeFormToIdent(Kind), Back));
    EXPECT_EQ(Back, Kind);
  }
  TShapeForm Kind{};
  EXPECT_TRUE(IdentToShapeForm("sfVLinear", Kind));
  EXPECT_EQ(static_cast<int>(Kind), 36);
  EXPECT_FALSE(IdentToShapeForm("stCircle", Kind));
  TXPolygonKind PK{};
  EXPECT_TRUE(IdentToXPolygonKind("xpBezier", PK));
  EXPECT_EQ(PK, xpBezier);
}
}  // namespace

namespace {
TEST(XShapeFigures, RasterPlans) {
  using enum TShapeForm;
  struct Case {
    TShapeForm Kind;
    long double Sx, Sy;
    TRasterFigure Figure;
    bool PreFill;
    TRasterMode Mode;
  } Cases[] = {
      {trRect1, 5, 5, TRasterFigure::Rectangle, false, TRasterMode::And},
      {trRect2, 0, 0, TRasterFigure::Rectangle, false, TRasterMode::Paint},
      {trElli1, 0, 0, TRasterFigure::Ellipse, true, TRasterMode::And},
      {trElli2, 0, 0, TRasterFigure::Ellipse, true, TRasterMode::Paint},
      {trScaleForm, 0, 0, TRasterFigure::Rectangle, false, TRasterMode::Invert},
      {trScaleForm, 1, 1, TRasterFigure::Ellipse, true, TRasterMode::And},
      {trScaleForm, 2.4L, 2, TRasterFigure::Diamond, true, TRasterMode::Paint},
      {trScaleForm, -1, 3, TRasterFigure::Diamond, true, TRasterMode::Erase},
      {trScaleForm, 0.4L, 7, TRasterFigure::Rectangle, false, TRasterMode::PatPaint},
      {trScaleForm, 1, 0.5L, TRasterFigure::Ellipse, true, TRasterMode::Invert},  // 0.5 rounds to 0
  };
  for (const Case& C : Cases) {
    const TRasterPlan P = RasterPlan(C.Kind, C.Sx, C.Sy);
    EXPECT_EQ(P.Figure, C.Figure) << ShapeFormToIdent(C.Kind) << " " << static_cast<double>(C.Sx);
    EXPECT_EQ(P.PreFill, C.PreFill) << ShapeFormToIdent(C.Kind);
    EXPECT_EQ(P.Mode, C.Mode) << ShapeFormToIdent(C.Kind) << " " << static_cast<double>(C.Sy);
  }
  EXPECT_EQ(DiamondPoints(41, 21, 0, 0), (std::vector<TPoint>{{20, 0}, {40, 10}, {20, 20}, {0, 10}}));
}
}  // namespace
