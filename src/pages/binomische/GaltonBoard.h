#pragma once
// The Galton board of page "Pascal-Dreieck 1": one ball at a time falls
// through six rows of nails (row k holds k nails) and lands in one of seven
// bins. Pure C++; the page moves its scene's ball to BallX/BallY after each
// Step and shows the bin counts.
//
// Coordinates are the scene's: y grows downwards, the ball starts above the
// single nail of row 1.
#include <array>
#include <cstdint>
#include <functional>

#include "common/Types.h"

class TGaltonBoard {
 public:
  static constexpr int RowCount = 6;
  static constexpr int BinCount = RowCount + 1;
  static constexpr TPoint BallStart = {160, 15};
  // A ball whose lower edge (y + BallReach) sinks below the floor has
  // passed the last row and drops into its bin.
  static constexpr int Floor = 245;
  static constexpr int BallReach = 15;
  static constexpr int Fall = 5;               // down per step
  static constexpr long double Push = 4.4L;    // sideways speed a nail gives
  static constexpr long double Damping = 0.4L; // speed lost per step

  // Nail J (0 ... Row-1) of row Row (1 ... RowCount).
  static constexpr TPoint Nail(int Row, int J) { return {160 - 20 * (Row - 1) + 40 * J, RowY(Row)}; }
  static constexpr int RowY(int Row) { return 50 + 30 * (Row - 1); }
  // The bin (1 ... BinCount) below x: split at the nails of the last row.
  static int BinOf(int X);

  int BallX() const { return FBall.X; }
  int BallY() const { return FBall.Y; }
  long double Speed() const { return FSpeed; }
  int PassedRows() const { return FPassedRows; }
  // Balls in bin K (1 ... BinCount), and in all bins.
  std::int64_t Bin(int K) const { return FBins.at(static_cast<std::size_t>(K - 1)); }
  std::int64_t Landed() const { return FLanded; }

  // A ball about to fall: no sideways speed, no row passed.
  void Start();
  // Which way a nail sends the ball: true to the right.
  using TCoin = std::function<bool()>;
  // One step of the falling ball. Returns the bin the ball dropped into
  // (then the next ball starts at BallStart), 0 while it is still falling.
  int Step(const TCoin& Coin);
  // The same with the program's random generator.
  int Step();
  // Steps until Count more balls have dropped into their bins (the fast
  // pace of the page: many balls a tick, so that the bins fill quickly).
  void DropBalls(int Count, const TCoin& Coin);
  void DropBalls(int Count);

 private:
  TPoint FBall = BallStart;
  long double FSpeed = 0;
  int FPassedRows = 0;
  std::array<std::int64_t, BinCount> FBins{};
  std::int64_t FLanded = 0;
};
