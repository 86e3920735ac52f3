#pragma once
// Rounding of the extended shapes' floating values to pixels and colour
// channels. Any input is safe: NaN becomes 0 and huge values are held in a
// range where coordinate sums cannot overflow.

// Nearest integer, ties to even; NaN gives 0; the result lies within
// +-XCoordLimit.
constexpr int XCoordLimit = 1 << 26;
int XRoundCoord(long double Value);

// Nearest integer, ties to even, keeping only the low 8 bits (so 256 gives 0
// and -1 gives 255); NaN and infinities give 0.
int XRoundChannel(long double Value);
