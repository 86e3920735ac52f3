#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "scene/PixelRows.h"

namespace {

// 32-bit rows owned by the test, with a little padding at the end of each row.
struct TRows {
  int W, H;
  std::vector<std::uint32_t> Data;
  TRows(int Width, int Height, std::uint32_t Fill = 0xFFFFFFFFu)
      : W(Width), H(Height), Data(static_cast<std::size_t>((Width + 3) * std::max(Height, 1)), Fill) {}
  TPixelRows Rows() {
    return {reinterpret_cast<std::uint8_t*>(Data.data()), static_cast<std::ptrdiff_t>((W + 3) * 4), W, H, 4};
  }
  std::uint32_t& At(int X, int Y) { return Data[static_cast<std::size_t>(Y * (W + 3) + X)]; }
  TColor ColorAt(int X, int Y) { return PixelToColor(At(X, Y)); }
};

TEST(PCPixels, PixelValuesKeepRedInTheLowByteOfAColour) {
  EXPECT_EQ(ColorToPixel(0x00332211), 0xFF112233u);
  EXPECT_EQ(PixelToColor(0xFF112233u), 0x00332211);
}

TEST(PCPixels, RoundHalfEvenMatchesTheLibrary) {
  for (double V : {0.0, 0.5, 1.5, 2.5, 2.4999, 2.5001, 254.5, 255.0, 127.49999999, -0.5, -1.5})
    EXPECT_EQ(RoundHalfEven(V), std::nearbyint(V)) << V;
}

TEST(PCPixels, GradientPlans) {
  struct Case {
    int Extent, Request, Stripe, Steps;
  } Cases[] = {
      {485, 485 / 50, 9, 54},  // 485 / 9 = 53.9
      {100, 100 / 50, 3, 33},  // the request 2 is raised to the minimum 3
      {736, 736 / 50, 14, 53},
      {0, 0, 3, 0},
      {4, 0, 3, 1},
  };
  for (const Case& C : Cases) {
    const TGradientPlan P = PlanGradient(C.Extent, C.Request);
    EXPECT_EQ(P.StripeSize, C.Stripe) << C.Extent;
    EXPECT_EQ(P.Steps, C.Steps) << C.Extent;
  }
}

TEST(PCPixels, GradientColoursEndExactlyAndRoundHalvesToEven) {
  const TColor C1 = 0x00E0F0D0, C2 = 0x00102030;
  EXPECT_EQ(GradientColor(C1, C2, 0, 54), C1);
  EXPECT_EQ(GradientColor(C1, C2, 54, 54), C2);
  EXPECT_EQ(GradientColor(0, 1, 1, 2), 0);          // 0.5 -> 0
  EXPECT_EQ(GradientColor(0, 3, 1, 2), 2);          // 1.5 -> 2
  EXPECT_EQ(GradientColor(0, 0x030000, 1, 2), 0x020000);  // blue alone
  EXPECT_EQ(GradientColor(0x0000FF, 0, 1, 2), 0x7F);      // 255 + round(-127.5) = 255 - 128
  EXPECT_EQ(GradientColor(C1, C2, 0, 0), C1);       // one stripe only
}

TEST(PCPixels, VerticalGradientStripesOf9PixelsOver485Rows) {
  const TColor C1 = 14676718, C2 = 4149052;
  TRows R(20, 485);
  FillGradient(R.Rows(), C1, C2, 485 / 50, true);
  for (int Y = 0; Y < 9; ++Y) EXPECT_EQ(R.ColorAt(0, Y), C1);
  EXPECT_EQ(R.ColorAt(0, 9), GradientColor(C1, C2, 1, 54));
  EXPECT_NE(R.ColorAt(0, 9), C1);
  // Stripe 53 reaches the bottom; stripe 54 (exactly C2) lies past it.
  EXPECT_EQ(R.ColorAt(0, 477), GradientColor(C1, C2, 53, 54));
  EXPECT_EQ(R.ColorAt(0, 484), GradientColor(C1, C2, 53, 54));
  // Every row is filled over its whole width.
  for (int Y : {0, 200, 484}) EXPECT_EQ(R.ColorAt(19, Y), R.ColorAt(0, Y));
  EXPECT_EQ(R.At(20, 0), 0xFFFFFFFFu);  // the padding stays untouched
}

TEST(PCPixels, HorizontalGradientUsesTheMinimumStripe) {
  const TColor C1 = 0x000000FF, C2 = 0x00FF0000;
  TRows R(100, 7);
  FillGradient(R.Rows(), C1, C2, 100 / 50, false);
  for (int Y = 0; Y < 7; ++Y) {
    EXPECT_EQ(R.ColorAt(0, Y), C1);
    EXPECT_EQ(R.ColorAt(2, Y), C1);
    EXPECT_EQ(R.ColorAt(3, Y), GradientColor(C1, C2, 1, 33));
    EXPECT_EQ(R.ColorAt(99, Y), C2);  // column 99 is stripe 33, the last one
  }
}

TEST(PCPixels, GradientOfZeroOrTinyExtentDoesNotFail) {
  TRows Empty(5, 0);
  FillGradient(Empty.Rows(), 1, 2, 0, true);
  TRows One(5, 1);
  FillGradient(One.Rows(), 0x123456, 0x654321, 0, true);
  EXPECT_EQ(One.ColorAt(4, 0), 0x123456);
}

TEST(PCPixels, TilingRepeatsTheWholeTileFromTheOrigin) {
  TRows Tile(3, 2);
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 3; ++X) Tile.At(X, Y) = 0xFF000000u | static_cast<std::uint32_t>(Y * 10 + X);
  TRows Dest(8, 5, 0);
  FillTiled(Dest.Rows(), Tile.Rows());
  for (int Y = 0; Y < 5; ++Y)
    for (int X = 0; X < 8; ++X) EXPECT_EQ(Dest.At(X, Y), Tile.At(X % 3, Y % 2)) << X << "," << Y;
  EXPECT_EQ(Dest.At(8, 0), 0u);

  TRows NoTile(0, 0);
  FillTiled(Dest.Rows(), NoTile.Rows());  // an empty tile is skipped
  EXPECT_EQ(Dest.At(7, 4), Tile.At(1, 0));
}

TEST(PCPixels, MirroredTileOfATenPixelPicture) {
  TRows Pic(10, 10);
  for (int Y = 0; Y < 10; ++Y)
    for (int X = 0; X < 10; ++X) Pic.At(X, Y) = 0xFF000000u | static_cast<std::uint32_t>(Y << 8 | X);
  TRows Tile(20, 20, 0);
  BuildMirroredTile(Pic.Rows(), Tile.Rows());
  EXPECT_EQ(Tile.At(19, 0), Pic.At(0, 0));
  EXPECT_EQ(Tile.At(0, 19), Pic.At(0, 0));
  EXPECT_EQ(Tile.At(19, 19), Pic.At(0, 0));
  EXPECT_EQ(Tile.At(10, 3), Pic.At(9, 3));
  EXPECT_EQ(Tile.At(4, 12), Pic.At(4, 7));
  EXPECT_EQ(Tile.At(13, 17), Pic.At(6, 2));
  TRows Small(19, 20);
  EXPECT_THROW(BuildMirroredTile(Pic.Rows(), Small.Rows()), std::invalid_argument);
}

TEST(PCPixels, LinearFactorFallsAcrossTheWidth) {
  const TBlendFactors Stripe{1.0L, -1.0L, 1.0L, 0.0L};
  for (int X : {0, 1, 25, 99}) EXPECT_NEAR(BlendFactor(TBlendCurve::Linear, Stripe, X, 7, 100, 30), 1 - X / 100.0L, 1e-15);
  const TBlendFactors Zero{};
  EXPECT_EQ(BlendFactor(TBlendCurve::Linear, Zero, 50, 5, 100, 30), 0);
  const TBlendFactors Big{3, 0, 2, 0};  // clamped to 1
  EXPECT_EQ(BlendFactor(TBlendCurve::Linear, Big, 50, 5, 100, 30), 1);
  const TBlendFactors Negative{-1, 0, 1, 0};  // clamped to 0
  EXPECT_EQ(BlendFactor(TBlendCurve::Linear, Negative, 50, 5, 100, 30), 0);
}

TEST(PCPixels, QuadraticFactorOfTheStandardGlass) {
  const TBlendFactors Glass{0.8L, 0.0L, 2.0L, 7.0L};
  EXPECT_EQ(BlendFactor(TBlendCurve::Quadratic, Glass, 0, 0, 200, 40), 1);  // 0.8 * 2 clamped
  EXPECT_NEAR(BlendFactor(TBlendCurve::Quadratic, Glass, 100, 20, 200, 40), 0.2L, 1e-15);
  // Symmetric in v around the middle.
  EXPECT_NEAR(BlendFactor(TBlendCurve::Quadratic, Glass, 3, 15, 200, 40),
              BlendFactor(TBlendCurve::Quadratic, Glass, 3, 25, 200, 40), 1e-15);
  const TBlendFactors Across{1, 4, 1, 0};  // 4u^2 - 4u + 1: 0 in the middle column
  EXPECT_NEAR(BlendFactor(TBlendCurve::Quadratic, Across, 50, 0, 100, 10), 0, 1e-15);
}

TEST(PCPixels, LinearBlendColumnsGiveTheBackgroundAWeightOfOneMinusXOverW) {
  const int W = 40, H = 6;
  TRows Background(W, H, 0xFFC9C9C9u);  // A: 201 in every byte but the last
  TRows Shape(W, H, 0xFF111111u);       // B: 17
  BlendRows(Background.Rows(), Shape.Rows(), 0, 0, {1.0L, -1.0L, 1.0L, 0.0L}, TBlendCurve::Linear);
  for (int X = 0; X < W; ++X) {
    // 17 + 184 * (1 - x/40) = 201 - 4.6 x, which never ends in a half.
    const auto Expected = static_cast<std::uint32_t>(std::lround(201 - 4.6 * X));
    for (int Y = 0; Y < H; ++Y) EXPECT_EQ(Shape.At(X, Y), 0xFF000000u | Expected * 0x010101u) << X;
  }
  EXPECT_EQ(Shape.At(0, 0), 0xFFC9C9C9u);  // the left column is background only
}

TEST(PCPixels, ZeroFactorsKeepBEntirely) {
  TRows A(5, 5, 0xFF0000FFu);
  TRows B(5, 5, 0xFF00FF00u);
  BlendRows(A.Rows(), B.Rows(), 0, 0, {}, TBlendCurve::Linear);
  for (std::uint32_t P : B.Data) EXPECT_EQ(P, 0xFF00FF00u);
}

TEST(PCPixels, BlendHalvesRoundToEven) {
  TRows A(1, 1, 0xFF030201u);
  TRows B(1, 1, 0xFF000000u);
  BlendRows(A.Rows(), B.Rows(), 0, 0, {0.5L, 0, 1, 0}, TBlendCurve::Linear);
  // 0.5, 1.0, 1.5 round to 0, 1, 2.
  EXPECT_EQ(B.At(0, 0), 0xFF020100u);
}

TEST(PCPixels, RowsOfOneWeightBlendEveryByteByTheFormula) {
  // The glass: one weight per row, from 1 (clamped) at the edges to 0.2 in
  // the middle; every byte pair against round((1 - f) * B + f * A).
  const int W = 256, H = 9;
  const TBlendFactors Glass{0.8L, 0.0L, 2.0L, 7.0L};
  TRows A(W, H), B(W, H), Before(W, H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      A.At(X, Y) = static_cast<std::uint32_t>(X * 0x01030507u + Y);
      B.At(X, Y) = Before.At(X, Y) = static_cast<std::uint32_t>((255 - X) * 0x01020304u + 7 * Y);
    }
  BlendRows(A.Rows(), B.Rows(), 0, 0, Glass, TBlendCurve::Quadratic);
  for (int Y = 0; Y < H; ++Y) {
    // The factor of the row in extended precision, the blend in double.
    const long double V = static_cast<long double>(Y) / H;
    const double F = std::clamp(0.8 * static_cast<double>(7 * V * V - 7 * V + 2), 0.0, 1.0);
    for (int X = 0; X < W; ++X)
      for (int Shift = 0; Shift < 32; Shift += 8) {
        const double Mixed = (1 - F) * ((Before.At(X, Y) >> Shift) & 0xFF) + F * ((A.At(X, Y) >> Shift) & 0xFF);
        ASSERT_EQ((B.At(X, Y) >> Shift) & 0xFF, static_cast<std::uint32_t>(std::nearbyint(Mixed)))
            << X << "," << Y << " byte " << Shift / 8;
      }
  }
}

TEST(PCPixels, BlendAtAnOffsetTouchesOnlyTheOverlap) {
  TRows A(4, 4, 0xFFFFFFFFu);
  TRows B(5, 5, 0xFF000000u);
  BlendRows(A.Rows(), B.Rows(), -2, 3, {1, 0, 1, 0}, TBlendCurve::Linear);  // f = 1: A wins
  for (int Y = 0; Y < 5; ++Y)
    for (int X = 0; X < 5; ++X) EXPECT_EQ(B.At(X, Y), (X < 2 && Y >= 3) ? 0xFFFFFFFFu : 0xFF000000u) << X << "," << Y;
  EXPECT_EQ(B.At(5, 4), 0xFF000000u);  // padding of B untouched
  BlendRows(A.Rows(), B.Rows(), 9, 9, {1, 0, 1, 0}, TBlendCurve::Linear);   // no overlap at all
  BlendRows(A.Rows(), B.Rows(), -9, 0, {1, 0, 1, 0}, TBlendCurve::Linear);
}

TEST(PCPixels, BlendOfOtherPixelSizesAndMismatches) {
  std::vector<std::uint8_t> A3{100, 100, 100, 0, 0, 0};
  std::vector<std::uint8_t> B3{0, 0, 0, 100, 100, 100};
  TConstPixelRows A{A3.data(), 6, 2, 1, 3};
  TPixelRows B{B3.data(), 6, 2, 1, 3};
  BlendRows(A, B, 0, 0, {1, -1, 1, 0}, TBlendCurve::Linear);  // f = 1, then 0.5
  EXPECT_EQ(B3, (std::vector<std::uint8_t>{100, 100, 100, 50, 50, 50}));
  TPixelRows B4{B3.data(), 6, 1, 1, 4};
  EXPECT_THROW(BlendRows(A, B4, 0, 0, {}, TBlendCurve::Linear), std::invalid_argument);
}

}  // namespace
