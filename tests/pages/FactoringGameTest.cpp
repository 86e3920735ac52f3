#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "common/Random.h"
#include "pages/GameMessagePrint.h"
#include "pages/binomische/BinomialGame.h"
#include "pages/faktorisieren/FactoringGame.h"

namespace {
const TGameMessage Praise = TGameMessage::Praise();
const TGameMessage NotEquivalent = TGameMessage::Error("Die Terme sind wohl nicht äquivalent!");

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
      {{3, 7, 5, 'k', false, true}, "21*k-15*l", 3},
      {{2, 7, 9, 'b', false, false}, "14*b+18*c", 2},
      {{13, 2, 2, 'c', false, false}, "26*c+26*d", 26},
  };
  for (const auto& [Task, Caption, D] : Cases) {
    EXPECT_EQ(TCommonFactorGame::Caption(Task), Caption);
    EXPECT_EQ(Task.D(), D) << Caption;
  }
  EXPECT_EQ(Shared.W(), 'c');
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
    ASSERT_GE(T.X, 'a');
    ASSERT_LE(T.X, 'x');
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
      // The bracket is not examined.
      {Shared, "12*(2*a*c-3*b*c)", Praise},
      {Shared, "12*b*(2*a*c/b-3*c)", FactorError("die falsche Variable")},
      {Shared, "12*c*(2*a+3*b)", NotEquivalent},
  };
  for (const auto& [Task, Answer, Expected] : Cases) {
    RandomSeed(3);
    TCommonFactorGame Game;
    Game.SetTask(Task);
    const TGameReply R = Game.Check(Answer);
    EXPECT_EQ(R.Message, Expected) << Game.TaskCaption() << " = " << Answer << ": " << R.Message.Text;
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
    const auto Place = [](char C) { return static_cast<int>(TaskLetters.find(C)); };
    ASSERT_GE(Place(T.Y) - Place(T.X), 1);
    ASSERT_LE(Place(T.Y) - Place(T.X), 3);
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
      // Another two-part term with 2 on its right goes on to the comparison.
      {3, "2*(2*a+3*b)^2/2", Praise},
      {3, "?", IsFormula},
      {3, "4*a^2+12*a*b+9*b^2", NoProduct},
      {3, "a", NoProduct},
      {3, "12", NoProduct},
      {3, "(4*a+6*b)^2/4", NoProduct},
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
    EXPECT_EQ(R.Message, Expected) << Game.TaskCaption() << " = " << Answer << ": " << R.Message.Text;
    EXPECT_EQ(R.Solved, Expected.Kind == gmPraise) << Answer;
  }
}

TEST(TaskGames, NoDrawnTaskShowsTheLettersThatReadAsDigits) {
  // i, l and o pass for 1, I and 0 in a task like "(2*l+12*o)^2".
  const auto Check = [](const std::string& Caption) {
    EXPECT_EQ(Caption.find_first_of("ilo"), std::string::npos) << Caption;
  };
  for (unsigned Seed = 0; Seed < 600; ++Seed) {
    RandomSeed(Seed);
    Check(TBinomialGame().TaskCaption());
    Check(TCommonFactorGame().TaskCaption());
    Check(TBinomialFactorGame().TaskCaption());
  }
  EXPECT_EQ(TaskLetterAfter('h', 1), 'j');
  EXPECT_EQ(TaskLetterAfter('k', 2), 'n');
  EXPECT_EQ(TaskLetterAfter('x', 5), 'z');  // the row ends at z
}
