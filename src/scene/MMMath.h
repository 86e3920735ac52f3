#pragma once
// Number helpers of the scene: every floating value becomes a pixel
// coordinate through RoundCoord, so the integer geometry is the same
// on every machine.
#include <numbers>

constexpr long double MMPi = std::numbers::pi_v<long double>;

// Nearest integer, ties to the even one. Values beyond the int range stick to
// its ends and NaN gives 0, so no input can make a coordinate undefined.
int RoundCoord(long double Value);

// An exact integer result clamped into the int range.
int ClampCoord(long long Value);
