// The ten-task frame, played through with each of the three games.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/Random.h"
#include "pages/GameMessagePrint.h"
#include "pages/binomische/BinomialGame.h"
#include "pages/faktorisieren/FactoringGame.h"
#include "terms/Terms.h"

namespace {
std::string N(int Value) { return std::to_string(Value); }

std::string Solve(const TBinomialGame& Game) {
  const TBinomialTask& T = Game.Task();
  const std::string Squares = N(T.A * T.A) + "*" + T.X + "^2";
  const std::string Mixed = N(2 * T.A * T.B) + "*" + T.X + "*" + T.Y;
  const std::string Last = N(T.B * T.B) + "*" + T.Y + "^2";
  if (T.Kind == 0) return Squares + "+" + Mixed + "+" + Last;
  if (T.Kind == 1) return Squares + "-" + Mixed + "+" + Last;
  return Squares + "-" + Last;
}

std::string Solve(const TCommonFactorGame& Game) {
  const TCommonFactorTask& T = Game.Task();
  const std::string S = T.WithCommonLetter ? std::string("*") + T.W() : "";
  return N(T.D()) + S + "*(" + N(T.P() / T.D()) + "*" + T.X + (T.Minus ? "-" : "+") + N(T.Q() / T.D()) + "*" +
         T.Y() + ")";
}

std::string Solve(const TBinomialFactorGame& Game) {
  const TBinomialFactorTask& T = Game.Task();
  const std::string Plus = "(" + N(T.p) + "*" + T.X + "+" + N(T.q) + "*" + T.Y + ")";
  const std::string Minus = "(" + N(T.p) + "*" + T.X + "-" + N(T.q) + "*" + T.Y + ")";
  switch (T.Kind) {
    case 1: return Plus + "*" + Minus;
    case 2: return Minus + "^2";
    case 3: return Plus + "^2";
    default: return "?";
  }
}

struct TPlayer {
  const char* Name;
  std::function<std::unique_ptr<TTaskGame>()> Make;
  std::function<std::string(const TTaskGame&)> Solve;
};

template <class TGame>
TPlayer Player(const char* Name) {
  return {Name, [] { return std::make_unique<TGame>(); },
          [](const TTaskGame& G) { return Solve(static_cast<const TGame&>(G)); }};
}

const TPlayer Players[] = {
    Player<TBinomialGame>("binomial"),
    Player<TCommonFactorGame>("common factor"),
    Player<TBinomialFactorGame>("binomial factor"),
};
}  // namespace

TEST(TaskGame, TenTasksThenTheClosingMessageOnEveryPress) {
  for (const TPlayer& P : Players) {
    SCOPED_TRACE(P.Name);
    RandomSeed(11);
    const auto Game = P.Make();
    EXPECT_EQ(Game->ProgressWidth(), 30);
    EXPECT_TRUE(Game->TimerRunning());
    for (int Task = 1; Task <= 9; ++Task) {
      Game->Tick();
      const std::string Before = Game->TaskCaption();
      const TGameReply R = Game->Check(P.Solve(*Game));
      ASSERT_EQ(R.Message.Kind, gmPraise) << Before << " = " << P.Solve(*Game) << ": " << R.Message.Text;
      EXPECT_TRUE(R.Solved);
      EXPECT_FALSE(R.StopTimer);
      EXPECT_FALSE(R.Finished);
      EXPECT_EQ(Game->Solved(), Task);
      EXPECT_EQ(R.ProgressWidth, (Task + 1) * 30);
      EXPECT_EQ(R.TaskCaption, Game->TaskCaption());
    }
    Game->Tick();
    Game->Tick();
    // The tenth task ends the game at once: its message is the result.
    const TGameMessage Closing = TGameMessage::Info("Du hast das Spiel in 11 Sekunden beendet!");
    const std::string Tenth = Game->TaskCaption();
    const TGameReply Last = Game->Check(P.Solve(*Game));
    EXPECT_EQ(Last.Message, Closing);
    EXPECT_TRUE(Last.Solved);
    EXPECT_TRUE(Last.StopTimer);
    EXPECT_TRUE(Last.Finished);
    EXPECT_EQ(Last.ProgressWidth, 330);
    EXPECT_EQ(Game->TaskCaption(), Tenth);  // no eleventh task is drawn
    EXPECT_FALSE(Game->TimerRunning());
    for (const char* Answer : {"?", "a+b"}) {
      Game->Tick();  // a stopped timer no longer counts
      const TGameReply R = Game->Check(Answer);
      EXPECT_EQ(R.Message, Closing);
      EXPECT_TRUE(R.Finished);
      EXPECT_FALSE(R.Solved);
      EXPECT_EQ(R.ProgressWidth, 330);
    }
    EXPECT_EQ(Game->Seconds(), 11);
    EXPECT_EQ(Game->Solved(), 10);
  }
}

TEST(TaskGame, WrongAnswerKeepsTaskAndCounters) {
  for (const TPlayer& P : Players) {
    SCOPED_TRACE(P.Name);
    RandomSeed(12);
    const auto Game = P.Make();
    const std::string Task = Game->TaskCaption();
    // "x" alone answers no task of these games.
    const TGameReply R = Game->Check("x");
    EXPECT_NE(R.Message.Kind, gmPraise);
    EXPECT_FALSE(R.Solved);
    EXPECT_EQ(R.TaskCaption, Task);
    EXPECT_EQ(Game->TaskCaption(), Task);
    EXPECT_EQ(Game->Solved(), 0);
    EXPECT_EQ(R.ProgressWidth, 30);
  }
}

TEST(TaskGame, MessageIsPresentedBeforeTheNextTaskIsDrawn) {
  RandomSeed(13);
  TBinomialGame Game;
  const std::string First = Game.TaskCaption();
  std::vector<std::string> Seen;
  const TGameReply R = Game.Check(Solve(Game), [&](const TGameMessage& M) {
    EXPECT_EQ(M.Kind, gmPraise);
    Seen.push_back(Game.TaskCaption());
    (void)Random(10);  // the praise window picks its text
  });
  ASSERT_EQ(Seen, std::vector<std::string>{First});
  EXPECT_TRUE(R.Solved);

  // The new task comes from the draws after the praise window's pick.
  RandomSeed(13);
  TBinomialGame Replay;
  (void)Random(10);
  TBinomialGame Second;
  EXPECT_EQ(Game.Task().Kind, Second.Task().Kind);
  EXPECT_EQ(Game.TaskCaption(), Second.TaskCaption());
}

TEST(TaskGame, TimerCountsFromCreation) {
  RandomSeed(14);
  TCommonFactorGame Game;
  EXPECT_EQ(Game.Seconds(), 0);
  for (int I = 0; I < 75; ++I) Game.Tick();
  EXPECT_EQ(Game.Seconds(), 75);
}

TEST(TaskGame, ArithmeticErrorInTheAnswerLeavesTheGameAsItWas) {
  RandomSeed(15);
  TBinomialGame Game;
  const std::string Task = Game.TaskCaption();
  EXPECT_THROW(Game.Check("a/(0*b)+a"), EMathError);
  EXPECT_EQ(Game.TaskCaption(), Task);
  EXPECT_EQ(Game.Solved(), 0);
  EXPECT_EQ(Game.Check(Solve(Game)).Message.Kind, gmPraise);
}
