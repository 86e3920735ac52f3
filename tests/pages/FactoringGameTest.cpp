#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>
#include <string>

#include "common/Random.h"
#include "pages/GameMessagePrint.h"
#include "pages/faktorisieren/FactoringGame.h"

namespace {
const TGameMessage Praise = TGameMessage::Praise();
// With a tip line (the counterexample is the term engine's to test).
const TGameMessage NotEquivalent = TGameMessage::Error("Die Terme sind wohl nicht äquivalent!", "tip");

// The same message; of the tip only whether there is one.
::testing::AssertionResult SameMessage(const TGameMessage& Got, const TGameMessage& Expected) {
  if (Got.Kind == Expected.Kind && Got.Text == Expected.Text && Got.Tip.empty() == Expected.Tip.empty())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got \"" << Got.Text << "\" tip \"" << Got.Tip << "\"";
}

TGameMessage FactorError(const std::string& Text) { return TGameMessage::Error("Fehler beim Ausklammern: " + Text); }

// 24*a+36*b and 24*a*c-36*b*c.
const TCommonFactorTask Plain{12, 2, 3, 'a', false, false};
const TCommonFactorTask Shared{12, 2, 3, 'a', true, true};

TBinomialFactorTask Binomial(int Kind) { return {Kind, 2, 3, 'a', 'b'}; }
}  // namespace

TEST(CommonFactorGame, CaptionsAndDivisor) {
  const std::tuple<TCommonFactorTask, const char*, int> Cases[] = {
      {Plain, "24*a+36*b", 12},
      {Shared, "24*a*c-36*b*c", 12},
      {{2, 4, 6, 'w', true, false}, "8*w*y+12*x*y", 4},
      {{3, 7, 5, 'k', false, true}, "21*k-15*m", 3},
      {{2, 7, 9, 'b', false, false}, "14*b+18*c", 2},
      {{13, 2, 2, 'c', false, false}, "26*c+26*d", 26},
  };
  for (const auto& [Task, Caption, D] : Cases) {
    EXPECT_EQ(TCommonFactorGame::Caption(Task), Caption);
    EXPECT_EQ(Task.D(), D) << Caption;
  }
  EXPECT_EQ(Shared.W(), 'c');
  // The letters of a task skip i, l and o.
  EXPECT_EQ(TCommonFactorGame::Caption({2, 3, 5, 'k', true, false}), "6*k*n+10*m*n");
}

TEST(CommonFactorGame, DrawnTasksStayInTheirRangesAndVary) {
  // Seen from outside: every drawn task is well formed, and over many seeds
  // every shape and every factor of the range turns up.
  std::set<std::string> Shapes;
  std::set<int> Factors;
  std::set<char> Letters;
  for (unsigned Seed = 0; Seed < 400; ++Seed) {
    RandomSeed(Seed);
    const TCommonFactorGame Game;
    const TCommonFactorTask& T = Game.Task();
    for (const int N : {T.F, T.G, T.H}) {
      ASSERT_GE(N, 2);
      ASSERT_LE(N, 14);
      Factors.insert(N);
    }
    for (const char Letter : {T.X, T.Y(), T.W()}) ASSERT_EQ(std::string("ilo").find(Letter), std::string::npos);
    ASSERT_LT(T.X, T.Y());
    ASSERT_LT(T.Y(), T.W());
    ASSERT_EQ(T.P() % T.D(), 0);
    ASSERT_EQ(T.Q() % T.D(), 0);
    EXPECT_EQ(Game.TaskCaption(), TCommonFactorGame::Caption(T));
    Letters.insert(T.X);
    Shapes.insert(std::string(T.WithCommonLetter ? "W" : "") + (T.Minus ? "-" : "+"));
  }
  EXPECT_EQ(Shapes.size(), 4u);
  EXPECT_EQ(Factors.size(), 13u);
  EXPECT_GT(Letters.size(), 15u);
}

TEST(CommonFactorGame, Answers) {
  const std::tuple<TCommonFactorTask, const char*, TGameMessage> Cases[] = {
      {Plain, "12*(2*a+3*b)", Praise},
      {Plain, "(2*a+3*b)*12", Praise},
      {Plain, "6*(4*a+6*b)", FactorError("6 steht da, 12 erwartet!")},
      {Plain, "2*6*(2*a+3*b)", FactorError("2 steht da, 12 erwartet!")},
      {Plain, "12*a*(2+3*b/a)", FactorError("die falsche Variable")},
      // W is the one letter allowed, even when the products do not share it.
      {Plain, "12*c*(2*a/c+3*b/c)", Praise},
      {Plain, "12*(2*a-3*b)", NotEquivalent},
      {Plain, "24*a+36*b", TGameMessage::Error("Der Term ist kein Produkt!")},
      {Plain, "?", TGameMessage::Error("Der Term ist kein Produkt!")},
      // A quotient is a product; its divisor is one of the factors.
      {Plain, "24*(2*a+3*b)/2", FactorError("24 steht da, 12 erwartet!")},
      {Shared, "12*c*(2*a-3*b)", Praise},
      // The whole common factor belongs outside the bracket.
      {Shared, "12*(2*a*c-3*b*c)", TGameMessage::Error("In der Klammer steckt noch ein gemeinsamer Faktor.")},
      {Shared, "c*(24*a-36*b)", TGameMessage::Error("In der Klammer steckt noch ein gemeinsamer Faktor.")},
      {{9, 5, 2, 'u', true, false}, "9*(5*u*w+2*v*w)",
       TGameMessage::Error("In der Klammer steckt noch ein gemeinsamer Faktor.")},
      {{9, 5, 2, 'u', true, false}, "9*w*(5*u+2*v)", Praise},
      // A factor 1 makes no product.
      {Plain, "1*(24*a+36*b)", TGameMessage::Error("Der Term ist kein Produkt!")},
      {Plain, "(24*a+36*b)*1", TGameMessage::Error("Der Term ist kein Produkt!")},
      {Shared, "12*b*(2*a*c/b-3*c)", FactorError("die falsche Variable")},
      {Shared, "12*c*(2*a+3*b)", NotEquivalent},
  };
  for (const auto& [Task, Answer, Expected] : Cases) {
    RandomSeed(3);
    TCommonFactorGame Game;
    Game.SetTask(Task);
    const TGameReply R = Game.Check(Answer);
    EXPECT_TRUE(SameMessage(R.Message, Expected)) << Game.TaskCaption() << " = " << Answer;
    EXPECT_EQ(Game.Solved(), Expected.Kind == gmPraise ? 1 : 0) << Answer;
  }
}

TEST(BinomialFactorGame, CaptionsOfTheSixKinds) {
  const char* const Captions[] = {
      "4*a^2+9*b^2", "4*a^2-9*b^2", "4*a^2-12*a*b+9*b^2", "4*a^2+12*a*b+9*b^2",
      "4*a^2+6*a*b+9*b^2", "4*a^2-6*a*b+9*b^2",
  };
  for (int Kind = 0; Kind < 6; ++Kind) {
    EXPECT_EQ(TBinomialFactorGame::Caption(Binomial(Kind)), Captions[Kind]);
    EXPECT_EQ(Binomial(Kind).Factorable(), Kind >= 1 && Kind <= 3);
  }
  EXPECT_EQ(TBinomialFactorGame::Caption({3, 10, 17, 't', 'w'}), "100*t^2+340*t*w+289*w^2");
}

TEST(BinomialFactorGame, DrawnTasksAreWellFormedAndFactorableTwiceAsOften) {
  std::map<int, int> KindCounts;
  for (unsigned Seed = 0; Seed < 900; ++Seed) {
    RandomSeed(Seed);
    const TBinomialFactorGame Game;
    const TBinomialFactorTask& T = Game.Task();
    ASSERT_GE(T.Kind, 0);
    ASSERT_LE(T.Kind, 5);
    ASSERT_GE(T.p, 1);
    ASSERT_LE(T.p, 10);
    ASSERT_GE(T.q, T.p);  // the second square is never the smaller one
    ASSERT_LE(T.q, 19);
    ASSERT_GT(T.Y, T.X);
    ASSERT_LE(T.Y, TaskLetterAfter(T.X, 3));
    // A sum that is no binomial formula cannot be factorised otherwise.
    if (!T.Factorable()) {
      ASSERT_EQ(std::gcd(T.p, T.q), 1) << Game.TaskCaption();
    }
    EXPECT_EQ(T.k, 1);
    EXPECT_EQ(Game.TaskCaption(), TBinomialFactorGame::Caption(T));
    ++KindCounts[T.Kind];
  }
  ASSERT_EQ(KindCounts.size(), 6u);
  // Kinds 1 to 3 come twice as often as the others.
  EXPECT_GT(KindCounts[1] + KindCounts[2] + KindCounts[3], 3 * (KindCounts[0] + KindCounts[4] + KindCounts[5]) / 2);
}

TEST(BinomialFactorGame, Answers) {
  const TGameMessage NoProduct = TGameMessage::Error("Der eingegebene Term ist kein Produkt!");
  const TGameMessage IsFormula = TGameMessage::Error("Ist das nicht eine binomische Formel?");
  const TGameMessage NoFormula = TGameMessage::Info("Ist das eine binomische Formel?");
  const std::tuple<int, const char*, TGameMessage> Cases[] = {
      {3, "(2*a+3*b)^2", Praise},
      {3, "(2*a+3*b)*(2*a+3*b)", Praise},
      {3, "(3*b+2*a)^2", Praise},
      // Numbers that work out to 1 make no product.
      {3, "2*(2*a+3*b)^2/2", NoProduct},
      {3, "?", IsFormula},
      {3, "4*a^2+12*a*b+9*b^2", NoProduct},
      {3, "a", NoProduct},
      {3, "12", NoProduct},
      {3, "1*(2*a+3*b)^2", NoProduct},
      {3, "(2*a+3*b)^2*1", NoProduct},
      // Right, and a product: the pupil took the 2 into the bracket.
      {3, "(4*a+6*b)^2/4", Praise},
      {3, "(2*a-3*b)^2", NotEquivalent},
      {3, "(2*a+3*b)^3", NotEquivalent},
      {2, "(2*a-3*b)^2", Praise},
      {2, "(3*b-2*a)^2", Praise},
      {1, "(2*a+3*b)*(2*a-3*b)", Praise},
      {1, "(2*a-3*b)^2", NotEquivalent},
      {0, "?", Praise},
      {4, "?", Praise},
      {5, "?", Praise},
      {0, "(2*a+3*b)^2", NoFormula},
      {4, "(2*a+3*b)^2", NoFormula},
      {5, "4*a^2-6*a*b+9*b^2", NoFormula},
  };
  for (const auto& [Kind, Answer, Expected] : Cases) {
    RandomSeed(4);
    TBinomialFactorGame Game;
    Game.SetTask(Binomial(Kind));
    const TGameReply R = Game.Check(Answer);
    EXPECT_TRUE(SameMessage(R.Message, Expected)) << Game.TaskCaption() << " = " << Answer;
    EXPECT_EQ(R.Solved, Expected.Kind == gmPraise) << Answer;
  }
}

// With a number in front: 2x²+12x+18 = 2·(x+3)², and every factorised
// product that is equal to the task is right.
TEST(BinomialFactorGame, NumberInFrontOfTheFormula) {
  TBinomialFactorTask Task{3, 1, 3, 'x', 0, 2};
  EXPECT_EQ(TBinomialFactorGame::Caption(Task), "2*x^2+12*x+18");
  EXPECT_EQ(TBinomialFactorGame::Caption({1, 1, 3, 'a', 'b', 3}), "3*a^2-27*b^2");
  for (const char* Answer : {"2*(x+3)^2", "2*(x+3)*(x+3)", "(x+3)*(2*x+6)", "2*(-x-3)^2"}) {
    RandomSeed(4);
    TBinomialFactorGame Game(TFactorSums::WithNumber);
    Game.SetTask(Task);
    EXPECT_EQ(Game.Check(Answer).Message.Kind, gmPraise) << Answer;
  }
  std::set<int> Numbers;
  bool WithoutLetter = false;
  for (unsigned Seed = 0; Seed < 300; ++Seed) {
    RandomSeed(Seed);
    const TBinomialFactorGame Game(TFactorSums::WithNumber);
    const TBinomialFactorTask& T = Game.Task();
    if (!T.Factorable()) {
      ASSERT_EQ(T.k, 1);
      ASSERT_EQ(std::gcd(T.p, T.q), 1);
    } else {
      Numbers.insert(T.k);
    }
    WithoutLetter |= T.Y == 0;
  }
  EXPECT_EQ(Numbers, (std::set<int>{2, 3, 4, 5}));
  EXPECT_TRUE(WithoutLetter);
}
