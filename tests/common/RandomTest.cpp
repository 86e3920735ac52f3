#include <gtest/gtest.h>

#include <vector>

#include "common/Random.h"

// A seed stands for one sequence of tasks on every compiler and library: the
// values below are the engine's fixed outputs for seed 5489 (3499211612,
// 581869302, 3890346734, 3586334585, 545404204, 4161255391, ...) mapped by
// our own code.
TEST(Random, ASeedGivesTheSameNumbersEverywhere) {
  RandomSeed(5489);
  std::vector<int> Small;
  for (int i = 0; i < 5; ++i) Small.push_back(Random(10));
  EXPECT_EQ(Small, (std::vector<int>{2, 2, 4, 5, 4}));

  // With a range just above 2^30 the draws below 2^32 mod range are drawn
  // again (581869302 and 545404204 here), so no remainder is favoured.
  RandomSeed(5489);
  std::vector<int> Large;
  for (int i = 0; i < 4; ++i) Large.push_back(Random((1 << 30) + 1));
  EXPECT_EQ(Large, (std::vector<int>{277986137, 669121259, 365109110, 940029916}));

  RandomSeed(5489);
  EXPECT_DOUBLE_EQ(RandomFloat(), 0.81472368639317894);
}

TEST(Random, StaysInsideItsRange) {
  RandomSeed(7);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-3), 0);
  EXPECT_EQ(Random(1), 0);
  std::vector<int> Seen(3, 0);
  for (int i = 0; i < 3000; ++i) {
    const int R = Random(3);
    ASSERT_GE(R, 0);
    ASSERT_LT(R, 3);
    ++Seen[static_cast<std::size_t>(R)];
  }
  for (int Count : Seen) EXPECT_GT(Count, 800);
  for (int i = 0; i < 1000; ++i) {
    const double F = RandomFloat();
    ASSERT_GE(F, 0.0);
    ASSERT_LT(F, 1.0);
  }
}
