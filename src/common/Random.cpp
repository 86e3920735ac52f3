#include "common/Random.h"

std::mt19937& RandomGenerator() {
  static std::mt19937 Generator{std::random_device{}()};
  return Generator;
}

void RandomSeed(unsigned Seed) { RandomGenerator().seed(Seed); }

int Random(int Range) {
  if (Range <= 0) return 0;
  return std::uniform_int_distribution<int>(0, Range - 1)(RandomGenerator());
}

double RandomFloat() { return std::uniform_real_distribution<double>(0.0, 1.0)(RandomGenerator()); }
