#include <gtest/gtest.h>

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
    // Two different task letters, the second one to four places after the first.
    const auto Place = [](char C) { return static_cast<int>(TaskLetters.find(C)); };
    ASSERT_GE(Place(T.Y) - Place(T.X), 1);
    ASSERT_LE(Place(T.Y) - Place(T.X), 4);
    EXPECT_EQ(Game.TaskCaption(), TBinomialGame::Caption(T));
    Kinds.insert(T.Kind);
    Letters.insert(T.X);
  }
  EXPECT_EQ(Kinds, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(Coefficients.size(), 13u);
  EXPECT_EQ(*Letters.begin(), 'a');
  EXPECT_EQ(*Letters.rbegin(), 'v');
}

TEST(BinomialGame, Answers) {
  struct TCase {
    TBinomialTask Task;
    const char* Answer;
    TGameMessage Expected;
  };
  const TGameMessage Praise = TGameMessage::Praise();
  const TGameMessage NoSum = TGameMessage::Error("Der Term ist keine Summe!");
  const TGameMessage NotEquivalent = TGameMessage::Error("Die Terme sind wohl nicht äquivalent!");
  const TCase Cases[] = {
      {{0, 3, 4, 'a', 'b'}, "9*a^2+24*a*b+16*b^2", Praise},
      {{0, 3, 4, 'a', 'b'}, "16*b^2+24*b*a+9*a^2", Praise},
      // Equivalent, but a product is not the expanded sum.
      {{0, 3, 4, 'a', 'b'}, "(3*a+4*b)*(3*a+4*b)", NoSum},
      {{0, 3, 4, 'a', 'b'}, "(3*a+4*b)^2", NoSum},
      {{0, 3, 4, 'a', 'b'}, "?", NoSum},
      {{0, 3, 4, 'a', 'b'}, "", NoSum},
      {{0, 3, 4, 'a', 'b'}, "9*a^2*16*b^2", NoSum},
      // Agrees with the task at a = b = 1 and a = b = 2 only.
      {{0, 3, 4, 'a', 'b'}, "0+49*a^2", NotEquivalent},
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
    EXPECT_EQ(R.Message, C.Expected) << Game->TaskCaption() << " = " << C.Answer << ": " << R.Message.Text;
    EXPECT_EQ(R.Solved, C.Expected.Kind == gmPraise) << C.Answer;
    EXPECT_EQ(Game->Solved(), R.Solved ? 1 : 0);
  }
}

TEST(BinomialGame, MessagesCarryTheCaptionOfTheirWindow) {
  const auto Game = GameWith({0, 3, 4, 'a', 'b'});
  EXPECT_EQ(Game->Check("?").Message.Caption, "Fehler");
  EXPECT_EQ(Game->Check("9*a^2+24*a*b+16*b^2").Message.Caption, "Meldung");
}
