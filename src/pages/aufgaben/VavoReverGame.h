#pragma once
// The term calculator game "VavoRever": a board of 8 × 8 term cells, each an
// operation on the running number x (the points), the previous value y and
// five parameters a..e. The pupil walks from cell to neighbouring cell; each
// step evaluates the cell's term and the result becomes the new x. A level is
// won when x exceeds the level's target. Pure C++: the page owns one game and
// mirrors its state in its controls.
//
// How the page drives it:
//
//   FormCreate:            FGame = std::make_unique<TVavoReverGame>();
//                          Sync();  // the design state: 64 cells "?", all enabled
//   PCVGlassButton1Click:  FGame->Start(); Sync();
//   MMTerm1Click (shared): const auto R = FGame->Click(TVavoReverGame::CellOfTag(Sender->Tag()));
//                          if (R.Message.Kind == gmInfo) ShowInfo(R.Message.Text);
//                          Sync();
//
// where Sync copies the state into the controls: for each cell
// Cell(row, column) its Caption, Visible, Enabled, Down (with Transparent =
// !Down) and Font.Color; the six value labels from Labels(); the grid texts
// from GridText(); and the board panel's picture from BackgroundImage().
// Cell number k (1..64) stands in row (k - 1) mod 8 and column (k - 1) div 8;
// its Tag is k - 1.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "common/Types.h"
#include "pages/GameMessage.h"
#include "pages/aufgaben/VavoReverBoards.h"

struct TBoardCell {
  int Row = 0;
  int Column = 0;
  bool operator==(const TBoardCell&) const = default;
  // The cell's code in a trail list: row × 256 + column.
  int Code() const { return Row * 256 + Column; }
};

struct TVavoCellState {
  std::string Caption = "?";
  bool Visible = true;
  bool Enabled = true;
  // Shown pressed; the cell's Transparent is the opposite.
  bool Down = false;
  TColor FontColor = 0;
};

// The texts of the value labels (all "0" at the start).
struct TVavoLabels {
  std::string Level = "0";   // Label8
  std::string Target = "0";  // Label9
  std::string Moves = "0";   // Label7
  std::string Points = "0";  // Label6
  std::string X = "0";       // Label11
  std::string Y = "0";       // Label13
};

struct TVavoClickResult {
  // False when nothing happened: the cell cannot be clicked (hidden or
  // disabled), or its term could not be evaluated (then Message says so).
  bool Accepted = false;
  // A level message, or the refusal of a step; shown with ShowInfo.
  TGameMessage Message;
  // The level was won and the next one has started.
  bool LevelChanged = false;
};

class TVavoReverGame {
 public:
  static constexpr int BoardSize = 8;
  static constexpr int ParameterRows = 4;
  static constexpr int ParameterCount = 5;  // a..e

  // Gives the value of one parameter for the range m of a level.
  using TParameterSource = std::function<long double(int Range)>;
  // A whole number from -(m + 1) to m, divided by 1 below m = 50, by 2 below
  // 100, by 5 below 500 and by 10 from 500 on; one Random draw.
  static long double RandomParameter(int Range);

  // The design state: level 2, no moves, points 0, all cells "?" and enabled.
  explicit TVavoReverGame(TParameterSource Source = RandomParameter);

  static TBoardCell CellOfTag(int Tag) { return {Tag % BoardSize, Tag / BoardSize}; }
  static int TagOf(TBoardCell Cell) { return Cell.Column * BoardSize + Cell.Row; }

  // The start button: (re)starts the current level. The board shows the
  // level's terms, the parameter table is drawn anew (row by row, a..e) and
  // the start cell in the bottom-right corner is applied without counting a
  // move or checking the target.
  void Start();
  // Runs after a winning step, before the next level starts, with the level
  // message: the page shows the winning step under the message there.
  using TLevelWonHandler = std::function<void(const TGameMessage& Message)>;

  // A click on a cell: counts a move, steps onto the cell and checks the
  // target. Winning a level below the last shows "Bravo, du hast den Level
  // in N Zügen geschafft." (through BeforeNextLevel, when given) and starts
  // the next level; the moves go on. A step whose term cannot be evaluated
  // is refused and changes nothing.
  TVavoClickResult Click(TBoardCell Cell, const TLevelWonHandler& BeforeNextLevel = {});

  int Level() const { return FLevel; }
  int Target() const { return VavoLevel(FLevel).Target; }
  int Moves() const { return FMoves; }
  long double Points() const { return FPoints; }
  long double Previous() const { return FPrevious; }
  bool Started() const { return FStarted; }

  const TVavoCellState& Cell(TBoardCell C) const { return FCells[Index(C)]; }
  // Visible and enabled.
  bool Clickable(TBoardCell C) const { return Cell(C).Visible && Cell(C).Enabled; }
  // The cell last applied.
  TBoardCell CurrentCell() const { return FCurrent; }
  // The most recently applied cells, oldest first; they are shown pressed.
  const std::deque<TBoardCell>& Trail() const { return FTrail; }

  // The parameter table: Row 0..3, Letter 0..4 for a..e.
  long double Parameter(int Row, int Letter) const;
  // The table row the next step uses.
  int RingPosition() const { return FRing; }
  // The parameter grid: row 0 holds the headings "a".."e", rows 1..4 the
  // upcoming values (row 1 is used by the next step); empty before the start.
  const std::string& GridText(int Row, int Column) const;

  const TVavoLabels& Labels() const { return FLabels; }
  // The board picture: 0 the design's, 1 the first picture (even levels),
  // 2 the second (odd levels), each filled symmetrically over the panel.
  int BackgroundImage() const { return FBackground; }

 private:
  static int Index(TBoardCell C) { return C.Row * BoardSize + C.Column; }
  TVavoCellState& CellAt(TBoardCell C) { return FCells[Index(C)]; }
  void StartLevel(int Level);
  // Applies the cell's term; false (with the refusal message) when the term
  // cannot be evaluated, and then nothing has changed.
  bool Step(TBoardCell C, TGameMessage& Refusal);
  void Press(TBoardCell C);
  void DrawParameterRow(int Row);
  void ShowParameterRow(int GridRow, int TableRow);
  void EnableNeighbours(TBoardCell C);

  TParameterSource FSource;
  int FLevel = VavoStartLevel;
  int FMoves = 0;
  long double FPoints = 0;
  long double FPrevious = 0;
  bool FStarted = false;
  int FBackground = 0;
  std::array<TVavoCellState, BoardSize * BoardSize> FCells;
  TBoardCell FCurrent{BoardSize - 1, BoardSize - 1};
  std::deque<TBoardCell> FTrail;
  std::array<std::array<long double, ParameterCount>, ParameterRows> FParameters{};
  int FRing = 0;
  std::array<std::array<std::string, ParameterCount>, ParameterRows + 1> FGrid;
  TVavoLabels FLabels;
};
