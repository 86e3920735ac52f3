#include "scene/mm_math.h"

#include <cmath>
#include <limits>

int RoundCoord(long double Value) {
  if (std::isnan(Value)) return 0;
  const long double R = std::nearbyint(Value);
  if (R <= static_cast<long double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  if (R >= static_cast<long double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  return static_cast<int>(R);
}

int ClampCoord(long long Value) {
  if (Value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (Value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(Value);
}
