#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/Random.h"
#include "pages/GameMessagePrint.h"
#include "pages/aufgaben/VavoReverGame.h"
#include "terms/Terms.h"

namespace {
using TCells = std::vector<TBoardCell>;

// Parameters given in order: the first five are a..e of the start cell, each
// further five those of the next step (within one level).
TVavoReverGame::TParameterSource Script(std::vector<long double> Values) {
  auto Shared = std::make_shared<std::vector<long double>>(std::move(Values));
  auto Next = std::make_shared<std::size_t>(0);
  return [Shared, Next](int) { return *Next < Shared->size() ? (*Shared)[(*Next)++] : 0.0L; };
}

// Every parameter of a level has one value, chosen by the level's range.
TVavoReverGame::TParameterSource ByLevel(long double Level2, long double Level3, long double Level4) {
  return [=](int Range) { return Range == 20 ? Level2 : Range == 30 ? Level3 : Level4; };
}

TCells Clickable(const TVavoReverGame& Game) {
  TCells Cells;
  for (int Row = 0; Row < 8; ++Row)
    for (int Column = 0; Column < 8; ++Column)
      if (Game.Clickable({Row, Column})) Cells.push_back({Row, Column});
  return Cells;
}

TCells Pressed(const TVavoReverGame& Game) {
  TCells Cells;
  for (int Row = 0; Row < 8; ++Row)
    for (int Column = 0; Column < 8; ++Column)
      if (Game.Cell({Row, Column}).Down) Cells.push_back({Row, Column});
  return Cells;
}

TCells Trail(const TVavoReverGame& Game) { return {Game.Trail().begin(), Game.Trail().end()}; }

void ClickAll(TVavoReverGame& Game, const TCells& Path) {
  for (const TBoardCell& C : Path) ASSERT_TRUE(Game.Click(C).Accepted) << C.Row << "," << C.Column;
}

// A snapshot of everything a click may change.
struct TSnapshot {
  int Level, Moves, Ring;
  long double Points, Previous;
  TCells Trail, Enabled, Down;
  std::vector<long double> Parameters;
  std::vector<std::string> Texts;

  explicit TSnapshot(const TVavoReverGame& G)
      : Level(G.Level()), Moves(G.Moves()), Ring(G.RingPosition()), Points(G.Points()), Previous(G.Previous()),
        Trail(::Trail(G)), Enabled(Clickable(G)), Down(Pressed(G)) {
    for (int Row = 0; Row < 4; ++Row)
      for (int K = 0; K < 5; ++K) Parameters.push_back(G.Parameter(Row, K));
    const TVavoLabels& L = G.Labels();
    Texts = {L.Level, L.Target, L.Moves, L.Points, L.X, L.Y};
    for (int Row = 0; Row <= 4; ++Row)
      for (int K = 0; K < 5; ++K) Texts.push_back(G.GridText(Row, K));
  }
  bool operator==(const TSnapshot&) const = default;
};
}  // namespace

TEST(VavoReverGame, DesignStateBeforeStart) {
  const TVavoReverGame Game;
  EXPECT_FALSE(Game.Started());
  EXPECT_EQ(Game.Level(), 2);
  EXPECT_EQ(Game.BackgroundImage(), 0);
  EXPECT_EQ(Clickable(Game).size(), 64u);
  EXPECT_TRUE(Pressed(Game).empty());
  EXPECT_EQ(Game.Cell({3, 4}).Caption, "?");
  const TVavoLabels& L = Game.Labels();
  for (const std::string* Text : {&L.Level, &L.Target, &L.Moves, &L.Points, &L.X, &L.Y}) EXPECT_EQ(*Text, "0");
  EXPECT_EQ(Game.GridText(0, 0), "a");
  EXPECT_EQ(Game.GridText(0, 4), "e");
  EXPECT_EQ(Game.GridText(1, 0), "");
}

TEST(VavoReverGame, ClickInTheDesignStateIsAnOrdinaryStep) {
  TVavoReverGame Game(Script({1, 2, 3, 4, 5}));
  const TVavoClickResult R = Game.Click({0, 0});
  EXPECT_TRUE(R.Accepted);
  EXPECT_EQ(R.Message.Kind, gmNone);
  EXPECT_EQ(Game.Moves(), 1);
  EXPECT_EQ(Game.Points(), 0);  // "?" counts as 0
  EXPECT_EQ(Clickable(Game), (TCells{{0, 1}, {1, 0}}));
  EXPECT_EQ(Trail(Game), (TCells{{0, 0}}));
  // The new parameters come in at the bottom of the grid.
  EXPECT_EQ(Game.GridText(4, 0), "1");
  EXPECT_EQ(Game.GridText(4, 4), "5");
  EXPECT_EQ(Game.GridText(3, 0), "");
}

TEST(VavoReverGame, StartOfLevelTwo) {
  std::vector<long double> Counting;
  for (int I = 1; I <= 25; ++I) Counting.push_back(I);
  TVavoReverGame Game(Script(Counting));
  Game.Start();

  EXPECT_TRUE(Game.Started());
  EXPECT_EQ(Game.BackgroundImage(), 1);
  EXPECT_EQ(Clickable(Game), (TCells{{6, 7}, {7, 6}}));
  EXPECT_EQ(Trail(Game), (TCells{{7, 7}}));
  EXPECT_EQ(Pressed(Game), (TCells{{7, 7}}));
  EXPECT_EQ(Game.CurrentCell(), (TBoardCell{7, 7}));
  // The start cell x+a has been applied once with a = 1, and counts no move.
  EXPECT_EQ(Game.Points(), 1);
  EXPECT_EQ(Game.Previous(), 0);
  EXPECT_EQ(Game.Moves(), 0);
  const TVavoLabels& L = Game.Labels();
  EXPECT_EQ(L.Level, "2");
  EXPECT_EQ(L.Target, "150");
  EXPECT_EQ(L.Moves, "0");
  EXPECT_EQ(L.Points, "1");
  EXPECT_EQ(L.X, "1");
  EXPECT_EQ(L.Y, "0");

  // Only the bottom-right 3 × 3 cells are on the board.
  int Visible = 0;
  for (int Row = 0; Row < 8; ++Row)
    for (int Column = 0; Column < 8; ++Column) Visible += Game.Cell({Row, Column}).Visible;
  EXPECT_EQ(Visible, 9);
  EXPECT_EQ(Game.Cell({5, 5}).Caption, "50-x");
  EXPECT_EQ(Game.Cell({6, 6}).Caption, "x^2/30");

  // The used row was drawn anew and the grid moved up by one row.
  EXPECT_EQ(Game.RingPosition(), 1);
  EXPECT_EQ(Game.Parameter(0, 0), 21);
  EXPECT_EQ(Game.GridText(1, 0), "6");
  EXPECT_EQ(Game.GridText(3, 4), "20");
  EXPECT_EQ(Game.GridText(4, 0), "21");
}

TEST(VavoReverGame, FontColourTellsTheOutermostOperation) {
  TVavoReverGame Game;
  Game.Start();
  const std::pair<TBoardCell, TColor> Cases[] = {
      {{7, 7}, 32768}, {{5, 6}, 128}, {{5, 5}, 128}, {{6, 6}, 255},
  };
  for (const auto& [Cell, Color] : Cases) EXPECT_EQ(Game.Cell(Cell).FontColor, Color) << Game.Cell(Cell).Caption;
}

TEST(VavoReverGame, ParametersAreDrawnAfreshButReproducibly) {
  // Level 1 draws from the range 20: whole numbers from -21 to 20.
  auto Parameters = [](unsigned Seed) {
    RandomSeed(Seed);
    TVavoReverGame Game;
    Game.Start();
    std::vector<long double> All;
    for (int Row = 0; Row < TVavoReverGame::ParameterRows; ++Row)
      for (int K = 0; K < TVavoReverGame::ParameterCount; ++K) {
        const long double V = Game.Parameter(Row, K);
        EXPECT_GE(V, -21);
        EXPECT_LE(V, 20);
        EXPECT_EQ(V, std::floor(V));
        All.push_back(V);
      }
    return All;
  };
  EXPECT_EQ(Parameters(21), Parameters(21));
  EXPECT_NE(Parameters(21), Parameters(22));
}

TEST(VavoReverGame, RandomParameterRanges) {
  const std::tuple<int, long double, long double, long double> Cases[] = {
      // range, divisor, lowest, highest
      {20, 1, -21, 20}, {30, 1, -31, 30}, {40, 1, -41, 40}, {60, 2, -30.5L, 30},
      {200, 5, -40.2L, 40}, {700, 10, -70.1L, 70},
  };
  for (const auto& [Range, Divisor, Lowest, Highest] : Cases) {
    long double Min = 1e9, Max = -1e9;
    for (unsigned Seed = 0; Seed < 3000; ++Seed) {
      RandomSeed(Seed);
      const long double V = TVavoReverGame::RandomParameter(Range);
      // A whole number of steps of 1 / Divisor.
      ASSERT_EQ(V * Divisor, std::nearbyint(V * Divisor)) << Range;
      Min = std::min(Min, V);
      Max = std::max(Max, V);
    }
    EXPECT_EQ(Min, Lowest) << Range;
    EXPECT_EQ(Max, Highest) << Range;
  }
}

TEST(VavoReverGame, TrailOfLengthOneAndSteppingBack) {
  RandomSeed(22);
  TVavoReverGame Game;
  Game.Start();
  ClickAll(Game, {{6, 7}});
  EXPECT_EQ(Trail(Game), (TCells{{6, 7}}));
  EXPECT_EQ(Pressed(Game), (TCells{{6, 7}}));
  EXPECT_EQ(Clickable(Game), (TCells{{5, 7}, {6, 6}, {7, 7}}));
  ClickAll(Game, {{7, 7}});
  EXPECT_EQ(Trail(Game), (TCells{{7, 7}}));
  EXPECT_EQ(Pressed(Game), (TCells{{7, 7}}));
  EXPECT_EQ(Game.Moves(), 2);
  EXPECT_EQ(Game.Labels().Moves, "2");
}

TEST(VavoReverGame, HiddenAndDisabledCellsCannotBeClicked) {
  RandomSeed(23);
  TVavoReverGame Game;
  Game.Start();
  const TSnapshot Before(Game);
  // Hidden, disabled, the current cell, and two outside the board.
  for (const TBoardCell C : TCells{{0, 0}, {5, 5}, {7, 7}, {8, 7}, {-1, 0}}) {
    const TVavoClickResult R = Game.Click(C);
    EXPECT_FALSE(R.Accepted);
    EXPECT_EQ(R.Message.Kind, gmNone);
  }
  EXPECT_TRUE(TSnapshot(Game) == Before);
}

TEST(VavoReverGame, PointsAreRoundedToThousandths) {
  TVavoReverGame Third(Script({1.0L / 3}));
  Third.Start();
  EXPECT_EQ(Third.Points(), 0.333L);
  EXPECT_EQ(Third.Labels().Points, "0,333");

  // 10^2/30 = 3.33...; 50 - 3.333 then keeps the thousandths.
  TVavoReverGame Square(Script({10, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  Square.Start();
  ClickAll(Square, {{6, 7}, {6, 6}});
  EXPECT_EQ(Square.Points(), 3.333L);
  EXPECT_EQ(Square.Previous(), 10);
  EXPECT_EQ(Square.Labels().Y, "10");
  ClickAll(Square, {{6, 5}, {5, 5}});
  EXPECT_EQ(Square.Points(), 46.667L);
  EXPECT_EQ(Square.Labels().X, "46,667");
}

TEST(VavoReverGame, PointsMustExceedTheTarget) {
  for (const long double C : {20.0L, 20.001L}) {
    // x + a = 100, then x - b = 130, then x + c = 150 or 150.001.
    TVavoReverGame Game(Script({100, 0, 0, 0, 0, 0, -30, 0, 0, 0, 0, 0, C, 0, 0}));
    Game.Start();
    ClickAll(Game, {{6, 7}});
    const TVavoClickResult R = Game.Click({5, 7});
    ASSERT_TRUE(R.Accepted);
    if (C == 20) {
      EXPECT_EQ(Game.Points(), 150);
      EXPECT_EQ(R.Message.Kind, gmNone);
      EXPECT_FALSE(R.LevelChanged);
      EXPECT_EQ(Game.Level(), 2);
    } else {
      EXPECT_EQ(R.Message, TGameMessage::Info("Bravo, du hast den Level in 2 Zügen geschafft."));
      EXPECT_TRUE(R.LevelChanged);
      EXPECT_EQ(Game.Level(), 3);
    }
  }
}

TEST(VavoReverGame, MovesAreCarriedIntoTheNextLevel) {
  TVavoReverGame Game(ByLevel(20, 0, 0));
  Game.Start();
  const TCells Path = {{6, 7}, {5, 7}, {6, 7}, {6, 6}, {5, 6}, {5, 5}, {6, 5}, {6, 6}, {5, 6}, {6, 6}, {5, 6}};
  ClickAll(Game, Path);
  EXPECT_EQ(Game.Level(), 2);
  EXPECT_LE(Game.Points(), 150);

  const TVavoClickResult R = Game.Click({6, 6});
  EXPECT_EQ(R.Message, TGameMessage::Info("Bravo, du hast den Level in 12 Zügen geschafft."));
  EXPECT_TRUE(R.LevelChanged);
  EXPECT_EQ(Game.Level(), 3);
  EXPECT_EQ(Game.Moves(), 12);
  EXPECT_EQ(Game.BackgroundImage(), 2);
  EXPECT_EQ(Game.Labels().Level, "3");
  EXPECT_EQ(Game.Labels().Target, "200");
  EXPECT_EQ(Game.Labels().Moves, "12");
  // Level 3 starts on its own board, with its start cell x-b applied.
  EXPECT_EQ(Game.Cell({0, 0}).Caption, "x*a");
  EXPECT_EQ(Game.Cell({0, 0}).FontColor, 8388608);
  EXPECT_EQ(Trail(Game), (TCells{{7, 7}}));
  EXPECT_EQ(Pressed(Game), (TCells{{7, 7}}));
  EXPECT_EQ(Game.Points(), 0);

  ClickAll(Game, {{6, 7}});
  EXPECT_EQ(Game.Moves(), 13);
  EXPECT_EQ(Game.Labels().Moves, "13");
}

TEST(VavoReverGame, LongerTrailKeepsRevisitedCellsPressed) {
  // Level 2 is won in two moves; level 3 keeps four cells on its trail.
  TVavoReverGame Game(ByLevel(1000, 0, 0));
  Game.Start();
  ClickAll(Game, {{6, 7}, {5, 7}});
  ASSERT_EQ(Game.Level(), 3);
  ClickAll(Game, {{6, 7}, {7, 7}, {6, 7}, {7, 7}});
  EXPECT_EQ(Trail(Game), (TCells{{6, 7}, {7, 7}, {6, 7}, {7, 7}}));
  EXPECT_EQ(Pressed(Game), (TCells{{6, 7}, {7, 7}}));
  ClickAll(Game, {{7, 6}, {7, 5}, {7, 4}});
  EXPECT_EQ(Trail(Game), (TCells{{7, 7}, {7, 6}, {7, 5}, {7, 4}}));
  EXPECT_EQ(Pressed(Game), (TCells{{7, 4}, {7, 5}, {7, 6}, {7, 7}}));
  ClickAll(Game, {{7, 3}});
  EXPECT_EQ(Pressed(Game), (TCells{{7, 3}, {7, 4}, {7, 5}, {7, 6}}));
}

TEST(VavoReverGame, StepWithoutValueIsRefused) {
  // Levels 2 and 3 are won quickly; at level 4 every parameter is 0.
  TVavoReverGame Game(ByLevel(1000, -1000, 0));
  Game.Start();
  ClickAll(Game, {{6, 7}, {5, 7}});
  ClickAll(Game, {{6, 7}});
  ASSERT_EQ(Game.Level(), 4);
  EXPECT_EQ(Game.BackgroundImage(), 1);
  ClickAll(Game, {{7, 6}, {7, 5}});
  ASSERT_EQ(Game.Points(), 0);
  ASSERT_EQ(Game.Cell({6, 5}).Caption, "1/x");

  const TSnapshot Before(Game);
  const TVavoClickResult R = Game.Click({6, 5});
  EXPECT_FALSE(R.Accepted);
  EXPECT_FALSE(R.LevelChanged);
  EXPECT_EQ(R.Message,
            TGameMessage::Info("Der Term „1/x“ lässt sich mit x = 0 und y = 0 nicht ausrechnen (Division durch Null)."));
  EXPECT_TRUE(TSnapshot(Game) == Before);
  EXPECT_EQ(Game.Moves(), 5);
  EXPECT_FALSE(Game.Cell({6, 5}).Down);
  EXPECT_TRUE(Game.Clickable({6, 5}));

  // Play goes on from the same place.
  const TVavoClickResult Next = Game.Click({7, 4});
  EXPECT_TRUE(Next.Accepted);
  EXPECT_EQ(Game.Moves(), 6);
  EXPECT_EQ(Trail(Game), (TCells{{7, 7}, {7, 6}, {7, 5}, {7, 4}}));
}

TEST(VavoReverGame, LastLevelWonPlayGoesOn) {
  TVavoReverGame Game(ByLevel(1000, -1000, 1000));
  Game.Start();
  ClickAll(Game, {{6, 7}, {5, 7}, {6, 7}});
  ASSERT_EQ(Game.Level(), 4);
  const TVavoClickResult R = Game.Click({6, 7});  // x + b = 2000
  EXPECT_EQ(R.Message, TGameMessage::Info("Du bist durch, mehr Levels gibts nicht! Das waren insgesamt 4 Züge!"));
  EXPECT_FALSE(R.LevelChanged);
  EXPECT_EQ(Game.Level(), 4);
  EXPECT_EQ(Game.Points(), 2000);
  EXPECT_TRUE(Game.Click({5, 7}).Accepted);
  EXPECT_EQ(Game.Moves(), 5);
}

TEST(VavoReverGame, StartRestartsTheCurrentLevel) {
  TVavoReverGame Game(ByLevel(3, 0, 0));
  Game.Start();
  ClickAll(Game, {{6, 7}, {5, 7}});
  Game.Start();
  EXPECT_EQ(Game.Moves(), 2);
  EXPECT_EQ(Game.Points(), 3);
  EXPECT_EQ(Trail(Game), (TCells{{7, 7}}));
  EXPECT_EQ(Pressed(Game), (TCells{{7, 7}}));
  EXPECT_EQ(Clickable(Game), (TCells{{6, 7}, {7, 6}}));
}

TEST(VavoReverGame, LevelData) {
  const std::tuple<int, int, int, int, TBoardCell, const char*> Cases[] = {
      {1, 100, 1, 10, {6, 6}, "5*d-x"},   {2, 150, 1, 20, {5, 5}, "50-x"},
      {3, 200, 4, 30, {3, 1}, "x/0,5"},   {4, 1500, 6, 40, {1, 5}, "20/x"},
      {4, 1500, 6, 40, {1, 1}, nullptr},  {2, 150, 1, 20, {4, 7}, nullptr},
  };
  for (const auto& [Level, Target, TrailLength, Range, Cell, Text] : Cases) {
    const TVavoLevel& L = VavoLevel(Level);
    EXPECT_EQ(L.Target, Target);
    EXPECT_EQ(L.TrailLength, TrailLength);
    EXPECT_EQ(L.Range, Range);
    const char* Actual = L.Board[Cell.Row][Cell.Column];
    EXPECT_EQ(Actual ? std::string(Actual) : "-", Text ? std::string(Text) : "-");
  }
  // Every cell is a term; this one halves nothing, it doubles x.
  for (int Level = VavoFirstLevel; Level <= VavoLastLevel; ++Level)
    for (const auto& Row : VavoLevel(Level).Board)
      for (const char* Cell : Row)
        if (Cell) {
          EXPECT_FALSE(TTerm::ParseTerm(Cell)->IsA<TText>()) << Cell;
        }
  const auto Term = TTerm::ParseTerm(VavoLevel(3).Board[3][1]);
  Term->SetValue('x', 7);
  EXPECT_EQ(Term->Evaluate(), 14);
}
