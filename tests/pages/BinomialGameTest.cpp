#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

#include "common/Random.h"
#include "pages/GameMessagePrint.h"
#include "pages/binomische/BinomialGame.h"

namespace {
std::unique_ptr<TBinomialGame> GameWith(const TBinomialTask& Task) {
  RandomSeed(1);
  auto Game = std::make_unique<TBinomialGame>();
  Game->SetTask(Task);
  return Game;
}
}  // namespace

TEST(BinomialGame, CaptionsOfTheThreeKinds) {
  const std::pair<TBinomialTask, const char*> Cases[] = {
      {{0, 3, 4, 'a', 'b'}, "(3*a+4*b)^2"},
      {{1, 3, 4, 'a', 'b'}, "(3*a-4*b)^2"},
      {{2, 3, 4, 'a', 'b'}, "(3*a+4*b)*(3*a-4*b)"},
      {{0, 14, 2, 't', 'x'}, "(14*t+2*x)^2"},
      {{2, 12, 13, 'p', 'q'}, "(12*p+13*q)*(12*p-13*q)"},
  };
  for (const auto& [Task, Caption] : Cases) {
    EXPECT_EQ(TBinomialGame::Caption(Task), Caption);
    RandomSeed(5);
    TBinomialGame Game;
    Game.SetTask(Task);
    EXPECT_EQ(Game.TaskCaption(), Caption);
  }
}

TEST(BinomialGame, DrawnTasksStayWithinTheirRanges) {
  std::set<int> Kinds;
  std::set<char> Letters;
  std::set<int> Coefficients;
  for (unsigned Seed = 0; Seed < 300; ++Seed) {
    RandomSeed(Seed);
    const TBinomialGame Game;
    const TBinomialTask& T = Game.Task();
    for (const int C : {T.A, T.B}) {
      ASSERT_GE(C, 2);
      ASSERT_LE(C, 14);
      Coefficients.insert(C);
    }
    ASSERT_GT(T.Y, T.X);  // two different letters, the second after the first
    ASSERT_LE(T.Y, TaskLetterAfter(T.X, 4));
    EXPECT_EQ(Game.TaskCaption(), TBinomialGame::Caption(T));
    Kinds.insert(T.Kind);
    Letters.insert(T.X);
    Letters.insert(T.Y);
  }
  EXPECT_EQ(Kinds, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(Coefficients.size(), 13u);
  // Never a letter that reads as a digit or another letter.
  for (const char Unclear : {'i', 'l', 'o'}) EXPECT_EQ(Letters.count(Unclear), 0u) << Unclear;
  EXPECT_GT(Letters.size(), 18u);
}

// The first game starts easy and widens its ranges task by task: coefficient
// 1 and a number first, two letters and larger numbers later.
TEST(BinomialGame, GrowingLevelStartsEasyAndWidens) {
  int EarlyMaxA = 0, EarlyMaxB = 0, LateMaxA = 0, LateMaxB = 0;
  bool EarlyLetter = false, LateLetter = false;
  for (unsigned Seed = 0; Seed < 60; ++Seed) {
    RandomSeed(Seed);
    TBinomialGame Game(TBinomialLevel::Growing);
    for (int Task = 0; Task < 10; ++Task) {
      const TBinomialTask T = Game.Task();
      ASSERT_GE(T.A, 1);
      ASSERT_GE(T.B, 1);
      (Task < 3 ? EarlyMaxA : LateMaxA) = std::max(Task < 3 ? EarlyMaxA : LateMaxA, T.A);
      (Task < 3 ? EarlyMaxB : LateMaxB) = std::max(Task < 3 ? EarlyMaxB : LateMaxB, T.B);
      (Task < 3 ? EarlyLetter : LateLetter) |= T.Y != 0;
      // Solve it: the expanded sum, a coefficient 1 not written.
      const auto Times = [](int N, const std::string& Letters) {
        return N == 1 ? Letters : std::to_string(N) + "*" + Letters;
      };
      const std::string X(1, T.X);
      const std::string Sq = Times(T.A * T.A, X + "^2");
      const std::string Mid = std::to_string(2 * T.A * T.B) + "*" + X + (T.Y ? "*" + std::string(1, T.Y) : "");
      const std::string Last = T.Y ? Times(T.B * T.B, std::string(1, T.Y) + "^2") : std::to_string(T.B * T.B);
      const std::string Answer = T.Kind == 0   ? Sq + "+" + Mid + "+" + Last
                                 : T.Kind == 1 ? Sq + "-" + Mid + "+" + Last
                                               : Sq + "-" + Last;
      ASSERT_TRUE(Game.Check(Answer).Solved) << Game.TaskCaption() << " = " << Answer;
    }
  }
  EXPECT_EQ(EarlyMaxA, 1);
  EXPECT_LE(EarlyMaxB, 8);
  EXPECT_FALSE(EarlyLetter);
  EXPECT_GT(LateMaxA, 2);
  EXPECT_GT(LateMaxB, 10);
  EXPECT_TRUE(LateLetter);
  RandomSeed(3);
  TBinomialGame Easy(TBinomialLevel::Growing);
  TBinomialTask First = Easy.Task();
  First.X = 'x';
  First.B = 3;
  First.Kind = 0;
  EXPECT_EQ(TBinomialGame::Caption(First), "(x+3)^2");
  First.Kind = 2;
  EXPECT_EQ(TBinomialGame::Caption(First), "(x+3)*(x-3)");
}

TEST(BinomialGame, Answers) {
  struct TCase {
    TBinomialTask Task;
    const char* Answer;
    TGameMessage Expected;
  };
  const TGameMessage Praise = TGameMessage::Praise();
  const TGameMessage NoSum = TGameMessage::Error("Der Term ist keine Summe!");
  // The tip line is the counterexample's (its choice is tested with the
  // term engine); here only that there is one.
  const TGameMessage NotEquivalent = TGameMessage::Error("Die Terme sind wohl nicht äquivalent!", "tip");
  const TCase Cases[] = {
      {{0, 3, 4, 'a', 'b'}, "9*a^2+24*a*b+16*b^2", Praise},
      {{0, 3, 4, 'a', 'b'}, "16*b^2+24*b*a+9*a^2", Praise},
      // Equivalent, but a product is not the expanded sum.
      {{0, 3, 4, 'a', 'b'}, "(3*a+4*b)*(3*a+4*b)", NoSum},
      {{0, 3, 4, 'a', 'b'}, "(3*a+4*b)^2", NoSum},
      {{0, 3, 4, 'a', 'b'}, "?", NoSum},
      {{0, 3, 4, 'a', 'b'}, "", NoSum},
      {{0, 3, 4, 'a', 'b'}, "9*a^2*16*b^2", NoSum},
      // Equivalent, but not multiplied out: a "+ 0" or a factor 1 is no way out.
      {{0, 3, 4, 'a', 'b'}, "(3*a+4*b)^2+0", NoSum},
      {{0, 3, 4, 'a', 'b'}, "1*9*a^2+24*a*b+16*b^2", NoSum},
      {{0, 3, 4, 'a', 'b'}, "(3*a+4*b)*(3*a+4*b)+0*a", NoSum},
      // A leading minus as the pupil means it.
      {{1, 3, 4, 'a', 'b'}, "-24*a*b+9*a^2+16*b^2", Praise},
      // Agrees with the task where a = b only.
      {{0, 3, 4, 'a', 'b'}, "49*a*b", NoSum},
      {{0, 3, 4, 'a', 'b'}, "25*a^2+24*a*b", NotEquivalent},
      {{0, 3, 4, 'a', 'b'}, "9*a^2+16*b^2", NotEquivalent},
      {{0, 3, 4, 'a', 'b'}, "9*a^2+24*a*c+16*c^2", NotEquivalent},
      {{1, 3, 4, 'a', 'b'}, "9*a^2-24*a*b+16*b^2", Praise},
      // A difference at the top is a sum too.
      {{1, 3, 4, 'a', 'b'}, "16*b^2+9*a^2-24*a*b", Praise},
      {{1, 3, 4, 'a', 'b'}, "9*a^2+24*a*b+16*b^2", NotEquivalent},
      {{2, 5, 7, 'k', 'm'}, "25*k^2-49*m^2", Praise},
      {{2, 5, 7, 'k', 'm'}, "25*k^2-7*7*m^2", Praise},
      {{2, 5, 7, 'k', 'm'}, "25*k^2-49*n^2", NotEquivalent},
  };
  for (const TCase& C : Cases) {
    const auto Game = GameWith(C.Task);
    const TGameReply R = Game->Check(C.Answer);
    EXPECT_EQ(R.Message.Kind, C.Expected.Kind) << C.Answer;
    EXPECT_EQ(R.Message.Text, C.Expected.Text) << Game->TaskCaption() << " = " << C.Answer;
    EXPECT_EQ(R.Message.Tip.empty(), C.Expected.Tip.empty()) << C.Answer << ": " << R.Message.Tip;
    EXPECT_EQ(R.Solved, C.Expected.Kind == gmPraise) << C.Answer;
    EXPECT_EQ(Game->Solved(), R.Solved ? 1 : 0);
  }
}

TEST(BinomialGame, MessagesCarryTheCaptionOfTheirWindow) {
  const auto Game = GameWith({0, 3, 4, 'a', 'b'});
  EXPECT_EQ(Game->Check("?").Message.Caption, "Fehler");
  EXPECT_EQ(Game->Check("9*a^2+24*a*b+16*b^2").Message.Caption, "Meldung");
}
