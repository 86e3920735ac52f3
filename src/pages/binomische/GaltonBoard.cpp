#include "pages/binomische/GaltonBoard.h"

#include <cmath>

#include "common/Random.h"

int TGaltonBoard::BinOf(int X) {
  for (int J = 0; J < RowCount; ++J)
    if (X <= Nail(RowCount, J).X) return J + 1;
  return BinCount;
}

void TGaltonBoard::Start() {
  FSpeed = 0;
  FPassedRows = 0;
}

int TGaltonBoard::Step(const TCoin& Coin) {
  FBall.Y += Fall;
  FBall.X += static_cast<int>(std::nearbyint(FSpeed));
  FSpeed += FSpeed > 0 ? -Damping : Damping;
  const int Bottom = FBall.Y + BallReach;
  if (Bottom <= Floor) {
    // The lowest row the ball's lower edge has reached; it is deflected once
    // by each row, one row per step at most.
    int Row = RowCount;
    while (Row > 0 && Bottom <= RowY(Row)) --Row;
    if (Row > 0 && FPassedRows < Row) {
      ++FPassedRows;
      FSpeed = Coin() ? Push : -Push;
    }
    return 0;
  }
  if (FPassedRows < RowCount) return 0;  // cannot happen: rows lie 6 steps apart
  const int Bin = BinOf(FBall.X);
  ++FBins[static_cast<std::size_t>(Bin - 1)];
  ++FLanded;
  FBall = BallStart;
  Start();
  return Bin;
}

int TGaltonBoard::Step() {
  return Step([] { return Random(2) == 1; });
}

void TGaltonBoard::DropBalls(int Count, const TCoin& Coin) {
  for (const std::int64_t Goal = FLanded + Count; FLanded < Goal;) Step(Coin);
}

void TGaltonBoard::DropBalls(int Count) {
  DropBalls(Count, [] { return Random(2) == 1; });
}
