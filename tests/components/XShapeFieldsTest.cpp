// Colour fields and linear bands of the extended shapes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

#include "common/Colors.h"
#include "common/Random.h"
#include "components/XShapeFields.h"
#include "components/XShapeMath.h"

namespace {
using enum TShapeForm;

TEST(XShapeFields, BlendColorPerChannel) {
  struct Case {
    TColor A, B;
    long double T;
    TColor Expected;
  } Cases[] = {
      {clWhite, clBlack, 1, clWhite},
      {clWhite, clBlack, 0, clBlack},
      {clWhite, clBlack, 0.5L, RGB(128, 128, 128)},  // 127.5 rounds to even
      {RGB(100, 0, 0), RGB(0, 0, 200), 0.25L, RGB(25, 0, 150)},
      {clWhite, clBlack, 2, RGB(254, 254, 254)},  // 510 keeps its low 8 bits
      {clWhite, clBlack, -1, RGB(1, 1, 1)},       // -255 likewise
      {clWhite, clBlack, std::numeric_limits<long double>::quiet_NaN(), clBlack},
      {clBtnFace, clBtnFace, 0.3L, ColorToRGB(clBtnFace)},  // system colours resolve first
  };
  for (const Case& C : Cases) EXPECT_EQ(BlendColor(C.A, C.B, C.T), C.Expected) << static_cast<double>(C.T);
}

TEST(XShapeFields, Weights) {
  struct Case {
    TShapeForm Kind;
    int I, C, J, R;
    long double Rho, Expected;
  } Cases[] = {
      {stFloatColorD, 0, 10, 0, 10, 0, 0},
      {stFloatColorD, 5, 10, 10, 10, 0, 0.75L},
      {stFloatColorR, 5, 10, 5, 10, 0, 0},
      {stFloatColorR, 0, 10, 0, 10, 0, 1},
      {stFloatColorA, 5, 10, 0, 10, 0, 1},  // straight up from the centre
      {stFloatColorA, 5, 10, 9, 10, 0, 0},
      {stFloatColorB, 0, 10, 0, 10, 0, 0},
      {stFloatColorB, 5, 10, 0, 10, 0, std::sqrt(0.5L)},
      {stFloatColorX, 0, 3, 0, 6, 0, std::sqrt(1.0L / 6)},
      {stFloatColorS1, 0, 10, 0, 10, 0, 0.25L},
      {stFloatColorS2, 0, 10, 0, 10, 1, 2},
      {stFloatColorS3, 0, 10, 0, 10, 0.15L, 0},
      {stFloatColorS4, 0, 10, 7, 10, 3, 0},
      {stFloatColorS5, 3, 10, 0, 10, 3, 0},
  };
  for (const Case& C : Cases)
    EXPECT_NEAR(static_cast<double>(ColorFieldWeight(C.Kind, C.I, C.C, C.J, C.R, C.Rho)),
                static_cast<double>(C.Expected), 1e-12)
        << ShapeFormToIdent(C.Kind) << " " << C.I << "," << C.J;
  for (TShapeForm K : {stFloatColorH, stFloatColorV}) {
    const long double T = ColorFieldWeight(K, 0, 1, 0, 1, 0);
    EXPECT_GE(T, 0);
    EXPECT_LT(T, 1);
  }
}

TEST(XShapeFields, GridAndCells) {
  const TCellGrid G = ColorFieldGrid(65, 30, 1, 7.4L);
  EXPECT_EQ(G.CellWidth, 2);  // never below 2
  EXPECT_EQ(G.CellHeight, 7);
  EXPECT_EQ(G.Columns, 33);
  EXPECT_EQ(G.Rows, 5);

  TColorFieldSpec S;
  S.Kind = stFloatColorD;
  S.Width = 65;
  S.Height = 30;
  S.ScaleY = 7.4L;
  int Cells = 0;
  int Covered = 0;
  ForEachColorCell(S, 10, 20, [&](const TRect& R, TColor) {
    ++Cells;
    Covered += R.Width() * R.Height();
    EXPECT_GE(R.Left, 10);
    EXPECT_LE(R.Right, 75);  // the last column is cut to the control
    EXPECT_GE(R.Top, 20);
    EXPECT_LE(R.Bottom, 50);
  });
  EXPECT_EQ(Cells, 33 * 5);
  EXPECT_EQ(Covered, 65 * 30);

  // The first cell is all Color2, weights grow toward the far corner.
  S.Brush = clWhite;
  S.Color2 = clBlack;
  std::vector<TColor> Colors;
  ForEachColorCell(S, 0, 0, [&](const TRect&, TColor C) { Colors.push_back(C); });
  EXPECT_EQ(Colors.front(), clBlack);
  EXPECT_GT(GetRValue(Colors.back()), 200);
}

TEST(XShapeFields, DitherUsesOnlyTheTwoColours) {
  RandomSeed(7);
  TColorFieldSpec S;
  S.Kind = stFloatColorD;
  S.Width = S.Height = 100;
  S.Brush = clRed;
  S.Color2 = clBlue;
  S.Dither = true;
  std::map<TColor, int> Count;
  ForEachColorCell(S, 0, 0, [&](const TRect&, TColor C) { ++Count[C]; });
  ASSERT_EQ(Count.size(), 2u);
  // The weight averages one half, so both colours take a fair share.
  EXPECT_GT(Count[clRed], 800);
  EXPECT_GT(Count[clBlue], 800);
}

TEST(XShapeFields, HugeFieldVisitsOnlyTheClip) {
  TColorFieldSpec S;
  S.Width = S.Height = 10'000'000;
  S.Clip = Rect(100, 100, 120, 110);
  int Cells = 0;
  ForEachColorCell(S, 0, 0, [&](const TRect& R, TColor) {
    ++Cells;
    EXPECT_TRUE(R.Right > 100 && R.Left < 120 && R.Bottom > 100 && R.Top < 110);
  });
  EXPECT_EQ(Cells, 10 * 5);
}

std::vector<TBand> Bands(int Length, long double Scale, TColor A, TColor B) {
  std::vector<TBand> Out;
  ForEachBand(Length, Scale, A, B, [&](const TBand& Band) { Out.push_back(Band); });
  return Out;
}

TEST(XShapeFields, BandsAreThreePixelsAtLeast) {
  const auto B = Bands(30, 1.0L, clWhite, clBlack);
  ASSERT_EQ(B.size(), 11u);
  for (size_t K = 0; K < B.size(); ++K) {
    EXPECT_EQ(B[K].From, static_cast<int>(3 * K));
    EXPECT_EQ(B[K].To, static_cast<int>(3 * K + 4));  // one past round((k+1) b)
  }
  EXPECT_EQ(B[0].Color, clWhite);
  EXPECT_EQ(B[1].Color, RGB(229, 229, 229));  // 255 + round(-25.5)
  EXPECT_EQ(B[10].Color, clBlack);
}

TEST(XShapeFields, BandWidthsAndOddScales) {
  const auto Wide = Bands(30, 5.5L, RGB(0, 0, 0), RGB(100, 50, 10));
  ASSERT_EQ(Wide.size(), 6u);  // n = round(30 / 5.5) = 5
  EXPECT_EQ(Wide[1].From, 6);  // round(5.5) = 6
  EXPECT_EQ(Wide[2].From, 11);
  EXPECT_EQ(Wide[5].Color, RGB(100, 50, 10));

  // Narrower than half a band: one band in the brush colour, no 0 / 0.
  const auto One = Bands(1, 3, clRed, clBlue);
  ASSERT_EQ(One.size(), 1u);
  EXPECT_EQ(One[0].Color, clRed);

  EXPECT_EQ(Bands(30, std::numeric_limits<long double>::quiet_NaN(), clRed, clBlue).size(), 11u);
  EXPECT_EQ(Bands(30, std::numeric_limits<long double>::infinity(), clRed, clBlue).size(), 1u);
}
}  // namespace

namespace {
TEST(XShapeRounding, TiesToEvenAndSafeRanges) {
  const std::pair<long double, int> Coords[] = {
      {0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {-0.5L, 0}, {-1.5L, -2}, {-2.5L, -2}, {2.4999L, 2},
      {-25.5L, -26}, {1e30L, 1 << 26}, {-1e30L, -(1 << 26)}, {std::numeric_limits<long double>::quiet_NaN(), 0}};
  for (auto [V, Expected] : Coords) EXPECT_EQ(XRoundCoord(V), Expected) << static_cast<double>(V);
  const std::pair<long double, int> Channels[] = {
      {127.5L, 128}, {128.5L, 128}, {255.4L, 255}, {256, 0}, {-1, 255}, {510, 254}, {1e30L, 0},
      {-std::numeric_limits<long double>::infinity(), 0}};
  for (auto [V, Expected] : Channels) EXPECT_EQ(XRoundChannel(V), Expected) << static_cast<double>(V);
}
}  // namespace
