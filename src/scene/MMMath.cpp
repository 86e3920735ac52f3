#include "scene/MMMath.h"

#include <cmath>
#include <limits>

int RoundCoord(long double Value) {
  if (std::isnan(Value)) return 0;
  // rint rounds like nearbyint under the default mode (ties to even) but
  // skips saving the floating-point environment, which costs more than the
  // rest of a point read.
  const long double R = std::rint(Value);
  if (R <= static_cast<long double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  if (R >= static_cast<long double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  return static_cast<int>(R);
}

int ClampCoord(long long Value) {
  if (Value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (Value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(Value);
}
