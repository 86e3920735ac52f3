#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/Random.h"
#include "pages/binomische/GaltonBoard.h"

namespace {

// Steps until the ball lands; the bin, or 0 when it never did.
int DropOne(TGaltonBoard& Board, const TGaltonBoard::TCoin& Coin, int MaxSteps = 200) {
  for (int I = 0; I < MaxSteps; ++I)
    if (const int Bin = Board.Step(Coin)) return Bin;
  return 0;
}

// A coin that answers from a fixed list, one flip per call.
TGaltonBoard::TCoin Flips(std::vector<bool> Sides) {
  return [Sides = std::move(Sides), I = std::size_t{0}]() mutable { return Sides.at(I++); };
}

}  // namespace

TEST(GaltonBoard, NailsAndBinLimits) {
  EXPECT_EQ(TGaltonBoard::Nail(1, 0), (TPoint{160, 50}));
  EXPECT_EQ(TGaltonBoard::Nail(6, 0), (TPoint{60, 200}));
  EXPECT_EQ(TGaltonBoard::Nail(6, 5), (TPoint{260, 200}));
  EXPECT_EQ(TGaltonBoard::Nail(4, 2), (TPoint{180, 140}));
  // The floor lies 45 below the last row.
  EXPECT_EQ(TGaltonBoard::Floor, TGaltonBoard::RowY(6) + 45);
  const std::pair<int, int> Limits[] = {{-50, 1}, {60, 1}, {61, 2}, {100, 2}, {140, 3}, {180, 4},
                                        {181, 5}, {220, 5}, {260, 6}, {261, 7}, {999, 7}};
  for (const auto& [X, Bin] : Limits) EXPECT_EQ(TGaltonBoard::BinOf(X), Bin) << X;
}

TEST(GaltonBoard, BallFallsStraightUntilTheFirstNailThenSwerves) {
  TGaltonBoard Board;
  Board.Start();
  int Flipped = 0;
  const auto Right = [&] { ++Flipped; return true; };
  // Lower edge 15 + 5 k passes the first row (y 50) at the fifth step.
  for (int K = 1; K <= 4; ++K) {
    EXPECT_EQ(Board.Step(Right), 0);
    EXPECT_EQ(Board.BallX(), 160);
    EXPECT_EQ(Board.BallY(), 15 + 5 * K);
  }
  EXPECT_EQ(Flipped, 0);
  Board.Step(Right);
  EXPECT_EQ(Flipped, 1);
  EXPECT_EQ(Board.PassedRows(), 1);
  EXPECT_DOUBLE_EQ(static_cast<double>(Board.Speed()), 4.4);
  // Sideways by the rounded speed, which loses 0.4 per step: 4, 4, 4, 3, 3, 2.
  const int Expected[] = {164, 168, 172, 175, 178, 180};
  for (int X : Expected) {
    Board.Step(Right);
    EXPECT_EQ(Board.BallX(), X);
  }
  // Six steps later the second row deflects once more.
  EXPECT_EQ(Flipped, 2);
  EXPECT_EQ(Board.PassedRows(), 2);
}

TEST(GaltonBoard, PathsEndInTheBinOfTheirRightTurns) {
  // Right turns 0 ... 6 land in bins 1 ... 7, whatever their order.
  const std::vector<std::vector<bool>> Paths = {
      {false, false, false, false, false, false}, {false, false, false, false, false, true},
      {true, false, false, false, false, false},  {true, false, true, false, false, false},
      {false, true, false, true, true, false},    {true, true, true, true, false, false},
      {false, true, true, true, true, true},      {true, true, true, true, true, true},
  };
  const int Bins[] = {1, 2, 2, 3, 4, 5, 6, 7};
  TGaltonBoard Board;
  for (std::size_t I = 0; I < Paths.size(); ++I) {
    Board.Start();
    EXPECT_EQ(DropOne(Board, Flips(Paths[I])), Bins[I]) << I;
    // The next ball starts at the top, without speed.
    EXPECT_EQ(Board.BallX(), 160);
    EXPECT_EQ(Board.BallY(), 15);
    EXPECT_EQ(Board.PassedRows(), 0);
    EXPECT_EQ(Board.Speed(), 0);
  }
  EXPECT_EQ(Board.Landed(), 8);
  EXPECT_EQ(Board.Bin(2), 2);
}

TEST(GaltonBoard, ManyBallsSpreadLikeTheBinomialCoefficients) {
  RandomSeed(857);
  TGaltonBoard Board;
  Board.Start();
  constexpr int Balls = 10000;
  std::int64_t Before = 0;
  while (Board.Landed() < Balls) {
    const int Bin = Board.Step();
    std::int64_t Sum = 0;
    for (int K = 1; K <= TGaltonBoard::BinCount; ++K) Sum += Board.Bin(K);
    // Every landed ball adds exactly one to exactly one bin.
    ASSERT_EQ(Sum, Board.Landed());
    ASSERT_EQ(Board.Landed() - Before, Bin ? 1 : 0);
    Before = Board.Landed();
  }
  // 1-6-15-20-15-6-1 out of 64, each bin within five standard deviations.
  const int Weights[] = {1, 6, 15, 20, 15, 6, 1};
  for (int K = 1; K <= TGaltonBoard::BinCount; ++K) {
    const double P = Weights[K - 1] / 64.0;
    const double Mean = Balls * P;
    const double Sigma = std::sqrt(Balls * P * (1 - P));
    EXPECT_NEAR(static_cast<double>(Board.Bin(K)), Mean, 5 * Sigma) << "bin " << K;
  }
}

TEST(GaltonBoard, FastPaceDropsExactlyTheAskedNumberOfBalls) {
  RandomSeed(3);
  TGaltonBoard Board;
  Board.Start();
  for (int I = 0; I < 5; ++I) Board.Step();  // a ball on its way counts as one of them
  Board.DropBalls(10);
  EXPECT_EQ(Board.Landed(), 10);
  EXPECT_EQ(Board.BallX(), TGaltonBoard::BallStart.X);  // the next ball waits at the top
  EXPECT_EQ(Board.BallY(), TGaltonBoard::BallStart.Y);
  Board.DropBalls(0);
  EXPECT_EQ(Board.Landed(), 10);
}
