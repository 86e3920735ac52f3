#include "components/xshape_math.h"

#include <cmath>

int RoundCoord(long double Value) {
  if (std::isnan(Value)) return 0;
  const long double R = std::nearbyint(Value);
  if (R > CoordLimit) return CoordLimit;
  if (R < -CoordLimit) return -CoordLimit;
  return static_cast<int>(R);
}

int RoundChannel(long double Value) {
  if (!std::isfinite(Value)) return 0;
  long double R = std::fmod(std::nearbyint(Value), 256.0L);
  if (R < 0) R += 256;
  return static_cast<int>(R) & 0xFF;
}
