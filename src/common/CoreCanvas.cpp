#include "common/CoreCanvas.h"

#include <cstdint>

int MulDiv(int Number, int Numerator, int Denominator) {
  if (Denominator == 0) return -1;
  const std::int64_t P = static_cast<std::int64_t>(Number) * Numerator;
  const std::int64_t Half = (Denominator < 0 ? -static_cast<std::int64_t>(Denominator) : Denominator) / 2;
  // Integer division truncates toward zero, so moving away from zero by half
  // the divisor first rounds halves away from zero.
  return static_cast<int>((P + (P >= 0 ? Half : -Half)) / Denominator);
}
