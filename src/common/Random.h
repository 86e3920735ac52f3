#pragma once
// The program's one random generator; tests reseed it for reproducible runs.
#include <random>

std::mt19937& RandomGenerator();
void RandomSeed(unsigned Seed);
// 0 .. Range-1 (0 when Range <= 0).
int Random(int Range);
// Uniform in [0, 1).
double RandomFloat();
