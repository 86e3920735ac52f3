// Pixel geometry of the canvas figures and the ternary raster operations,
// tested without drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/Raster.h"
#include "platform/RasterOp.h"

namespace {

const TRect Everything{-100000, -100000, 100000, 100000};

std::set<std::pair<int, int>> Pixels(const std::vector<TSpan>& Spans) {
  std::set<std::pair<int, int>> P;
  for (const auto& S : Spans)
    for (int X = S.X1; X < S.X2; ++X) P.insert({X, S.Y});
  return P;
}

}  // namespace

TEST(Raster, EllipseTouchesEveryEdgeOfItsBoundsAndNothingOutside) {
  for (const TRect R : {TRect{0, 0, 10, 10}, TRect{3, 5, 20, 9}, TRect{-4, -4, 4, 4}, TRect{0, 0, 1, 1},
                        TRect{0, 0, 2, 7}, TRect{10, 10, 111, 57}}) {
    const auto P = Pixels(RoundRectSpans(R, R.Width(), R.Height(), Everything));
    ASSERT_FALSE(P.empty());
    int MinX = 1 << 30, MaxX = -(1 << 30), MinY = 1 << 30, MaxY = -(1 << 30);
    for (auto [X, Y] : P) {
      MinX = std::min(MinX, X);
      MaxX = std::max(MaxX, X);
      MinY = std::min(MinY, Y);
      MaxY = std::max(MaxY, Y);
    }
    EXPECT_EQ(MinX, R.Left) << R.Left << "," << R.Top;
    EXPECT_EQ(MaxX, R.Right - 1);
    EXPECT_EQ(MinY, R.Top);
    EXPECT_EQ(MaxY, R.Bottom - 1);
    // Mirror symmetric in both axes.
    for (auto [X, Y] : P) {
      EXPECT_TRUE(P.count({R.Left + R.Right - 1 - X, Y}));
      EXPECT_TRUE(P.count({X, R.Top + R.Bottom - 1 - Y}));
    }
  }
}

TEST(Raster, OutlineAndInteriorAreDisjointAndCoverTheFigure) {
  for (int Width : {1, 2, 3, 40}) {
    const TRect R{2, 3, 31, 22};
    for (auto [Cw, Ch] : {std::pair{0, 0}, std::pair{10, 6}, std::pair{R.Width(), R.Height()}}) {
      const TShapeSpans S = RoundRectShape(R, Cw, Ch, Width, Everything);
      const auto Outline = Pixels(S.Outline), Interior = Pixels(S.Interior);
      const auto Whole = Pixels(RoundRectSpans(R, Cw, Ch, Everything));
      for (const auto& P : Outline) EXPECT_FALSE(Interior.count(P));
      EXPECT_EQ(Outline.size() + Interior.size(), Whole.size());
    }
  }
  // A plain rectangle with a two-pixel pen: a band of two pixels inside.
  const TShapeSpans S = RoundRectShape({0, 0, 6, 5}, 0, 0, 2, Everything);
  EXPECT_EQ(Pixels(S.Interior), (std::set<std::pair<int, int>>{{2, 2}, {3, 2}}));
}

TEST(Raster, FiguresAreClippedBeforeTheyAreRasterised) {
  // An enormous ellipse costs only its visible rows.
  const auto Spans = RoundRectSpans({-1000000000, -1000000000, 1000000000, 1000000000}, 2000000000, 2000000000,
                                    {0, 0, 50, 40});
  ASSERT_EQ(Spans.size(), 40u);
  for (const auto& S : Spans) {
    EXPECT_EQ(S.X1, 0);
    EXPECT_EQ(S.X2, 50);
  }
}

TEST(Raster, LineExcludesItsEndPixel) {
  struct Case {
    TPoint A, B;
    std::vector<std::pair<int, int>> Expected;
  } Cases[] = {
      {{0, 0}, {4, 0}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
      {{4, 0}, {0, 0}, {{4, 0}, {3, 0}, {2, 0}, {1, 0}}},
      {{0, 0}, {0, 3}, {{0, 0}, {0, 1}, {0, 2}}},
      {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
      {{0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
      {{5, 5}, {5, 5}, {}},
  };
  for (const auto& C : Cases) {
    std::vector<std::pair<int, int>> Got;
    long long Expect = 0;
    for (const auto& P : LinePixels(C.A, C.B, Everything)) {
      Got.push_back({P.X, P.Y});
      EXPECT_EQ(P.Index, Expect++);
    }
    EXPECT_EQ(Got, C.Expected) << C.A.X << "," << C.A.Y << " -> " << C.B.X << "," << C.B.Y;
  }
}

TEST(Raster, ClippedLineKeepsThePixelsOfTheWholeLine) {
  const TPoint A{-500, -37}, B{900, 411};
  const TRect Clip{10, 0, 200, 100};
  std::vector<TLinePixel> Inside;
  for (const auto& P : LinePixels(A, B, Everything))
    if (Clip.Contains({P.X, P.Y})) Inside.push_back(P);
  const auto Clipped = LinePixels(A, B, Clip);
  ASSERT_EQ(Clipped.size(), Inside.size());
  for (std::size_t I = 0; I < Inside.size(); ++I) {
    EXPECT_EQ(Clipped[I].X, Inside[I].X);
    EXPECT_EQ(Clipped[I].Y, Inside[I].Y);
    EXPECT_EQ(Clipped[I].Index, Inside[I].Index);
  }
  // A line far longer than any picture does not walk its whole length.
  EXPECT_LE(LinePixels({-2000000000, 5}, {2000000000, 5}, Clip).size(), 190u);
}

TEST(Raster, BezierRunsFromFirstToLastPointInSmallSteps) {
  const auto Points = FlattenBezier({{0, 0}, {0, 100}, {100, 100}, {100, 0}, {150, -50}, {200, 50}, {250, 0}});
  ASSERT_GE(Points.size(), 50u);
  EXPECT_EQ(Points.front(), (TPoint{0, 0}));
  EXPECT_EQ(Points.back(), (TPoint{250, 0}));
  EXPECT_TRUE(std::find(Points.begin(), Points.end(), TPoint{100, 0}) != Points.end());
  for (std::size_t I = 1; I < Points.size(); ++I)
    EXPECT_LE(std::abs(Points[I].X - Points[I - 1].X) + std::abs(Points[I].Y - Points[I - 1].Y), 4);
  EXPECT_EQ(FlattenBezier({{1, 2}, {3, 4}}).size(), 1u);  // incomplete segment ignored
}

TEST(RasterOp, NamedOperationsHaveTheirBooleanMeaning) {
  const std::uint32_t S = 0x00F0CC55, D = 0x003C9A0F, P = 0x00A5A5FF;
  struct Case {
    TCopyMode Rop;
    std::uint32_t Expected;
  } Cases[] = {
      {BLACKNESS, 0},        {WHITENESS, 0xFFFFFFFF},    {SRCCOPY, S},          {NOTSRCCOPY, ~S},
      {SRCAND, S & D},       {SRCPAINT, S | D},          {SRCINVERT, S ^ D},    {SRCERASE, S & ~D},
      {NOTSRCERASE, ~(S | D)}, {MERGEPAINT, ~S | D},     {MERGECOPY, S & P},    {PATCOPY, P},
      {PATPAINT, P | ~S | D}, {PATINVERT, P ^ D},        {DSTINVERT, ~D},
  };
  for (const auto& C : Cases) EXPECT_EQ(Rop3(C.Rop, S, D, P), C.Expected) << std::hex << C.Rop;
  EXPECT_TRUE(RopUsesSource(SRCAND));
  EXPECT_FALSE(RopUsesSource(PATINVERT));
  EXPECT_TRUE(RopUsesDest(MERGEPAINT));
  EXPECT_FALSE(RopUsesDest(MERGECOPY));
}
