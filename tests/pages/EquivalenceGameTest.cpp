#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/Random.h"
#include "pages/GameMessagePrint.h"
#include "pages/aequivalenz/EquivalenceGame.h"
#include "terms/Counterexample.h"
#include "terms/Terms.h"

namespace {

bool Equivalent(const TTermPair& Pair) {
  const auto Left = TTerm::ParseTerm(Pair.Left);
  const auto Right = TTerm::ParseTerm(Pair.Right);
  EXPECT_FALSE(Left->IsA<TText>()) << Pair.Left;
  EXPECT_FALSE(Right->IsA<TText>()) << Pair.Right;
  return TTerm::IsEquivalent(*Left, *Right);
}

}  // namespace

TEST(EquivalenceGame, EveryPairIsWhatItsPatternClaims) {
  // Drawn from outside over many seeds: an "equivalent" pair really is one,
  // a mistake really is not and has a counterexample for the tip; both
  // halves come up about equally often and every pattern turns up.
  const std::vector<TPairPattern>& Patterns = PairPatterns();
  int EquivalentPatterns = 0;
  for (const TPairPattern& P : Patterns) EquivalentPatterns += P.Equivalent ? 1 : 0;
  EXPECT_GE(Patterns.size(), 12u);
  EXPECT_EQ(2 * EquivalentPatterns, static_cast<int>(Patterns.size()));

  std::set<long> Seen;
  int EquivalentPairs = 0;
  for (unsigned Seed = 0; Seed < 1000; ++Seed) {
    RandomSeed(Seed);
    const TEquivalenceGame Game;
    const TTermPair& Pair = Game.Pair();
    SCOPED_TRACE(Pair.Left + " | " + Pair.Right);
    EXPECT_EQ(Game.TaskCaption(), Pair.Left + " | " + Pair.Right);
    EXPECT_EQ(Equivalent(Pair), Game.Pattern().Equivalent);
    if (Game.Pattern().Equivalent) {
      ++EquivalentPairs;
      EXPECT_FALSE(Game.Pattern().Why.empty());
    } else {
      EXPECT_EQ(PairTipLine(Pair.Left, Pair.Right).rfind("Für ", 0), 0u);
    }
    Seen.insert(&Game.Pattern() - Patterns.data());
  }
  EXPECT_EQ(Seen.size(), Patterns.size());
  EXPECT_NEAR(EquivalentPairs, 500, 60);
}

TEST(EquivalenceGame, JudgesTheChosenAnswer) {
  TEquivalenceGame Game;
  const TPairDraw Draw{'a', 'b', 'c', 3, 4};
  // pattern 8: (a + b)² and a² + b²
  Game.SetTask(8, Draw);
  ASSERT_FALSE(Game.Pattern().Equivalent);
  EXPECT_EQ(Game.TaskCaption(), "(a+b)^2 | a^2+b^2");
  const TGameMessage Wrong = TGameMessage::Error(
      "Leider falsch.", "Für a = 1 und b = 2 hat der linke Term den Wert 9, der rechte den Wert 5.");
  const TGameMessage Choose = TGameMessage::Info("Wähle zuerst „äquivalent“ oder „nicht äquivalent“.");
  EXPECT_EQ(Game.Check("").Message, Choose);
  EXPECT_EQ(Game.Check(EquivalentAnswer).Message, Wrong);
  EXPECT_EQ(Game.Solved(), 0);
  EXPECT_EQ(Game.Check(NotEquivalentAnswer).Message, TGameMessage::Praise());
  EXPECT_EQ(Game.Solved(), 1);
  // pattern 3, sides changed: 4·a + 12 and 4·(a + 3); the tip names the law
  Game.SetTask(3, Draw, true);
  EXPECT_EQ(Game.Pair().Left, "4*a+12");
  EXPECT_EQ(Game.Pair().Right, "4*(a+3)");
  EXPECT_EQ(Game.Check(NotEquivalentAnswer).Message,
            TGameMessage::Error("Leider falsch.",
                                "Jeder Summand in der Klammer wird mit dem Faktor multipliziert (Distributivgesetz)."));
  EXPECT_EQ(Game.Check(EquivalentAnswer).Message, TGameMessage::Praise());
}
