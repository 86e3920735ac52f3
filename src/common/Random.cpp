#include "common/Random.h"

#include <cstdint>

// The engine's output sequence is fixed by the language for a given seed;
// the standard distributions are not (each library maps to a range its own
// way). The mappings below are ours, so a seed gives the same tasks with
// every compiler and library.

std::mt19937& RandomGenerator() {
  static std::mt19937 Generator{std::random_device{}()};
  return Generator;
}

void RandomSeed(unsigned Seed) { RandomGenerator().seed(Seed); }

int Random(int Range) {
  if (Range <= 0) return 0;
  // Draws below Threshold would make the small remainders more likely than
  // the large ones: they are drawn again.
  const auto R = static_cast<std::uint32_t>(Range);
  const std::uint32_t Threshold = (0u - R) % R;  // 2^32 mod Range
  for (;;) {
    const auto X = static_cast<std::uint32_t>(RandomGenerator()());
    if (X >= Threshold) return static_cast<int>(X % R);
  }
}

double RandomFloat() {
  // 53 random bits: 27 high bits of one draw and 26 of the next.
  const std::uint32_t A = static_cast<std::uint32_t>(RandomGenerator()()) >> 5;
  const std::uint32_t B = static_cast<std::uint32_t>(RandomGenerator()()) >> 6;
  return (A * 67108864.0 + B) * (1.0 / 9007199254740992.0);
}
