#include "components/XShapeMath.h"

#include <cmath>
#include <limits>

namespace {
// Adding and removing 2^(digits - 1) leaves no fraction bits, so the sum is
// rounded by the current (nearest, ties to even) mode: what nearbyint does,
// without the library call that dominates the colour-field loops.
constexpr long double Magic = static_cast<long double>(1ULL << (std::numeric_limits<long double>::digits - 1));

long double RoundEven(long double Value) {
  if (Value >= 0 && Value < Magic) return (Value + Magic) - Magic;
  if (Value < 0 && Value > -Magic) return (Value - Magic) + Magic;
  return std::nearbyint(Value);
}
}  // namespace

int XRoundCoord(long double Value) {
  if (std::isnan(Value)) return 0;
  const long double R = RoundEven(Value);
  if (R > XCoordLimit) return XCoordLimit;
  if (R < -XCoordLimit) return -XCoordLimit;
  return static_cast<int>(R);
}

int XRoundChannel(long double Value) {
  if (!std::isfinite(Value)) return 0;
  const long double R = RoundEven(Value);
  constexpr long double Exact = 0x1p62L;  // integers this small convert exactly
  if (R > -Exact && R < Exact) return static_cast<int>(static_cast<long long>(R) & 0xFF);
  long double M = std::fmod(R, 256.0L);
  if (M < 0) M += 256;
  return static_cast<int>(M) & 0xFF;
}
