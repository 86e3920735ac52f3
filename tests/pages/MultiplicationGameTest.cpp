#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "common/Random.h"
#include "pages/GameMessagePrint.h"
#include "pages/multiplikation/MultiplicationGame.h"
#include "terms/TermForms.h"
#include "terms/Terms.h"

TEST(MultiplicationGame, CaptionsAndTheirProductsMultipliedOut) {
  const struct {
    TMultiplicationTask Task;
    const char* Caption;
    const char* Expanded;
  } Cases[] = {
      {{1, 3, 'x', 1, 2, 'x'}, "(x+3)*(x+2)", "x^2+5*x+6"},
      {{1, 3, 'x', 1, -5, 'x'}, "(x+3)*(x-5)", "x^2-2*x-15"},
      {{2, -1, 'x', 1, 4, 'x'}, "(2*x-1)*(x+4)", "2*x^2+7*x-4"},
      // The middle products cancel.
      {{1, 3, 'y', 1, -3, 'y'}, "(y+3)*(y-3)", "y^2-9"},
      {{3, -2, 'a', 2, 5, 'b'}, "(3*a-2)*(2*b+5)", "6*a*b+15*a-4*b-10"},
      {{1, -1, 'p', 1, -1, 'q'}, "(p-1)*(q-1)", "p*q-p-q+1"},
  };
  for (const auto& C : Cases) {
    EXPECT_EQ(TMultiplicationGame::Caption(C.Task), C.Caption);
    EXPECT_EQ(TMultiplicationGame::Expanded(C.Task), C.Expanded) << C.Caption;
  }
}

// Whole games over many seeds: every task stays in the ranges of its step,
// its expected answer is right in every sense, solves it, and the tasks get
// harder from (x+p)*(x+q) with small positive numbers to two letters with
// coefficients and negative numbers.
TEST(MultiplicationGame, TasksGrowHarderAndTheirAnswersAreRight) {
  int EarlyMaxNumber = 0, LateMaxNumber = 0, LateMaxCoefficient = 0;
  bool EarlyNegative = false, LateNegative = false, LateTwoLetters = false;
  for (unsigned Seed = 0; Seed < 80; ++Seed) {
    RandomSeed(Seed);
    TMultiplicationGame Game;
    for (int S = 0; S < TTaskGame::TaskCount; ++S) {
      const TMultiplicationTask T = Game.Task();
      ASSERT_EQ(Game.TaskCaption(), TMultiplicationGame::Caption(T));
      ASSERT_NE(T.P, 0);
      ASSERT_NE(T.Q, 0);
      ASSERT_GE(std::min(T.A, T.B), 1);
      ASSERT_LE(std::max(T.A, T.B), S < 5 ? 1 : S < 7 ? 3 : 5) << S;
      ASSERT_LE(std::max(std::abs(T.P), std::abs(T.Q)), S < 3 ? 3 + S : S < 5 ? 6 : S < 7 ? 7 : 9) << S;
      ASSERT_EQ(T.X == T.Y, S < 7) << S;
      for (const char L : {T.X, T.Y}) ASSERT_EQ(std::string("ilo").find(L), std::string::npos);
      const bool Negative = T.P < 0 || T.Q < 0;
      if (S < 3) {
        EarlyMaxNumber = std::max({EarlyMaxNumber, T.P, T.Q});
        EarlyNegative |= Negative;
      } else if (S >= 7) {
        LateMaxNumber = std::max({LateMaxNumber, std::abs(T.P), std::abs(T.Q)});
        LateMaxCoefficient = std::max({LateMaxCoefficient, T.A, T.B});
        LateNegative |= Negative;
        LateTwoLetters |= T.X != T.Y;
      }
      const std::string Answer = TMultiplicationGame::Expanded(T);
      const auto Expected = TTerm::ParseTerm(Answer);
      ASSERT_TRUE(TTerm::IsEquivalent(*Expected, *TTerm::ParseTerm(Game.TaskCaption()))) << Answer;
      ASSERT_TRUE(IsMultipliedOut(*Expected)) << Answer;
      ASSERT_TRUE(IsCollected(*Expected)) << Answer;
      ASSERT_TRUE(Game.Check(Answer).Solved) << Game.TaskCaption() << " = " << Answer;
    }
  }
  EXPECT_LE(EarlyMaxNumber, 5);
  EXPECT_FALSE(EarlyNegative);
  EXPECT_EQ(LateMaxNumber, 9);
  EXPECT_EQ(LateMaxCoefficient, 5);
  EXPECT_TRUE(LateNegative);
  EXPECT_TRUE(LateTwoLetters);
}

TEST(MultiplicationGame, Answers) {
  const TGameMessage Praise = TGameMessage::Praise();
  const TGameMessage NotOut = TGameMessage::Error(NotMultipliedOutText);
  const TGameMessage NotCollected = TGameMessage::Error(NotCollectedText);
  // Only that there is a tip line; its wording is the counterexample's.
  const TGameMessage Wrong = TGameMessage::Error(NotEquivalentText, "tip");
  const struct {
    const char* Answer;
    TGameMessage Expected;
  } Cases[] = {
      {"x^2-2*x-15", Praise},
      {"-15-2*x+x^2", Praise},
      // The task again, half done, or dressed up with + 0.
      {"(x+3)*(x-5)", NotOut},
      {"x*(x-5)+3*(x-5)", NotOut},
      {"(x+3)*(x-5)+0", NotOut},
      {"?", NotOut},
      {"", NotOut},
      {"x^2-5*x+3*x-15", NotCollected},
      {"x*x-2*x-15", NotCollected},
      {"x^2+2*x-15", Wrong},
      {"x^2-15", Wrong},
      {"x^2", Wrong},
      {"-15*x^2", Wrong},
  };
  for (const auto& C : Cases) {
    RandomSeed(1);
    TMultiplicationGame Game;
    Game.SetTask({1, 3, 'x', 1, -5, 'x'});
    const TGameReply R = Game.Check(C.Answer);
    EXPECT_EQ(R.Message.Kind, C.Expected.Kind) << C.Answer;
    EXPECT_EQ(R.Message.Text, C.Expected.Text) << C.Answer;
    EXPECT_EQ(R.Message.Tip.empty(), C.Expected.Tip.empty()) << C.Answer << ": " << R.Message.Tip;
    EXPECT_EQ(Game.Solved(), R.Solved ? 1 : 0) << C.Answer;
  }
}
