#include "pages/aufgaben/VavoReverGame.h"

#include <cmath>
#include <memory>
#include <utility>

#include "common/NumberFormat.h"
#include "common/Random.h"
#include "terms/Terms.h"

namespace {
constexpr TBoardCell StartCell{7, 7};

bool OnBoard(TBoardCell C) {
  return C.Row >= 0 && C.Row < TVavoReverGame::BoardSize && C.Column >= 0 && C.Column < TVavoReverGame::BoardSize;
}

// The font colour of a cell tells the kind of its term's outermost operation.
TColor ColorOfTerm(const TTerm& Term) {
  if (Term.IsExactly<TSum>()) return 32768;                           // dark green
  if (Term.IsExactly<TDif>()) return 128;                             // dark red
  if (Term.IsExactly<TDiv>() || Term.IsExactly<TFrac>()) return 255;  // red
  if (Term.IsExactly<TMul>()) return 8388608;                         // dark blue
  if (Term.IsExactly<TPower>()) return 16711680;                      // blue
  return 0;
}

std::string RefusalText(const std::string& Term, long double X, long double Y, const std::string& Reason) {
  return "Der Term „" + Term + "“ lässt sich mit x = " + FloatToStr(X) + " und y = " + FloatToStr(Y) +
         " nicht ausrechnen (" + Reason + ").";
}
}  // namespace

long double TVavoReverGame::RandomParameter(int Range) {
  const int N = Range + 1;
  const long double Value = Random(2 * N) - N;
  if (Range < 50) return Value;
  if (Range < 100) return Value / 2;
  if (Range < 500) return Value / 5;
  return Value / 10;
}

TVavoReverGame::TVavoReverGame(TParameterSource Source) : FSource(std::move(Source)) {
  static const char* const Headings[ParameterCount] = {"a", "b", "c", "d", "e"};
  for (int K = 0; K < ParameterCount; ++K) FGrid[0][static_cast<std::size_t>(K)] = Headings[K];
}

void TVavoReverGame::Start() { StartLevel(FLevel); }

void TVavoReverGame::StartLevel(int Level) {
  const TVavoLevel& Data = VavoLevel(Level);
  FStarted = true;
  FBackground = Level % 2 == 0 ? 1 : 2;
  FLevel = Level;
  FLabels.Level = std::to_string(Level);
  FPoints = 0;
  FPrevious = 0;
  // The trail is the path on this board; the board starts unpressed.
  FTrail.clear();

  for (int Row = 0; Row < BoardSize; ++Row)
    for (int Column = 0; Column < BoardSize; ++Column) {
      TVavoCellState& S = CellAt({Row, Column});
      const char* Text = Data.Board[Row][Column];
      S.Down = false;
      S.Enabled = false;
      S.Visible = Text != nullptr;
      if (!Text) continue;
      S.Caption = Text;
      S.FontColor = ColorOfTerm(*TTerm::ParseTerm(S.Caption));
    }

  FRing = 0;
  for (int Row = 0; Row < ParameterRows; ++Row) DrawParameterRow(Row);
  for (int GridRow = 1; GridRow <= ParameterRows; ++GridRow)
    ShowParameterRow(GridRow, (FRing + GridRow - 1) % ParameterRows);

  FLabels.Target = std::to_string(Data.Target);
  FLabels.Y = "0";
  TGameMessage Ignored;  // the start cells of the boards always evaluate
  Step(StartCell, Ignored);
}

TVavoClickResult TVavoReverGame::Click(TBoardCell C, const TLevelWonHandler& BeforeNextLevel) {
  TVavoClickResult Result;
  if (!OnBoard(C) || !Clickable(C)) return Result;
  if (!Step(C, Result.Message)) return Result;
  Result.Accepted = true;
  ++FMoves;
  FLabels.Moves = std::to_string(FMoves);

  if (FPoints > Target()) {
    ++FLevelsWon;
    const std::string Moves = std::to_string(FMoves);
    if (FLevel < VavoLastLevel) {
      Result.Message = TGameMessage::Info("Bravo, du hast den Level in " + Moves + " Zügen geschafft.");
      if (BeforeNextLevel) BeforeNextLevel(Result.Message);
      FPoints = 0;
      StartLevel(FLevel + 1);
      Result.LevelChanged = true;
    } else {
      Result.Message =
          TGameMessage::Info("Du bist durch, mehr Levels gibts nicht! Das waren insgesamt " + Moves + " Züge!");
    }
  }
  return Result;
}

bool TVavoReverGame::Step(TBoardCell C, TGameMessage& Refusal) {
  // Evaluate first, so that a term without a value leaves everything as it was.
  const std::string& Caption = Cell(C).Caption;
  const auto Term = TTerm::ParseTerm(Caption);
  for (int K = 0; K < ParameterCount; ++K)
    Term->SetValue(static_cast<char>('a' + K),
                   FParameters[static_cast<std::size_t>(FRing)][static_cast<std::size_t>(K)]);
  Term->SetValue('x', FPoints);
  Term->SetValue('y', FPrevious);
  long double Value = 0;
  try {
    Value = std::nearbyint(Term->Evaluate() * 1000) / 1000;
  } catch (const EMathError& E) {
    Refusal = TGameMessage::Info(RefusalText(Caption, FPoints, FPrevious, E.what()));
    return false;
  }
  if (!std::isfinite(Value)) {
    Refusal = TGameMessage::Info(RefusalText(Caption, FPoints, FPrevious, "das Ergebnis ist zu groß"));
    return false;
  }

  Press(C);
  FCurrent = C;
  FPrevious = FPoints;
  FPoints = Value;
  FLabels.Y = FloatToStr(FPrevious);
  FLabels.Points = FLabels.X = FloatToStr(FPoints);

  for (TVavoCellState& S : FCells) S.Enabled = false;

  DrawParameterRow(FRing);
  for (int GridRow = 1; GridRow < ParameterRows; ++GridRow)
    FGrid[static_cast<std::size_t>(GridRow)] = FGrid[static_cast<std::size_t>(GridRow) + 1];
  ShowParameterRow(ParameterRows, FRing);
  FRing = (FRing + 1) % ParameterRows;

  EnableNeighbours(C);
  return true;
}

void TVavoReverGame::Press(TBoardCell C) {
  TVavoCellState& S = CellAt(C);
  S.Down = true;
  S.Enabled = false;
  FTrail.push_back(C);
  if (static_cast<int>(FTrail.size()) > VavoLevel(FLevel).TrailLength) {
    const TBoardCell Oldest = FTrail.front();
    FTrail.pop_front();
    // A cell visited twice stays pressed while it is still on the trail.
    bool StillOnTrail = false;
    for (const TBoardCell& T : FTrail) StillOnTrail = StillOnTrail || T == Oldest;
    if (!StillOnTrail) CellAt(Oldest).Down = false;
  }
}

void TVavoReverGame::DrawParameterRow(int Row) {
  const int Range = VavoLevel(FLevel).Range;
  for (long double& Value : FParameters[static_cast<std::size_t>(Row)]) Value = FSource(Range);
}

void TVavoReverGame::ShowParameterRow(int GridRow, int TableRow) {
  for (int K = 0; K < ParameterCount; ++K)
    FGrid[static_cast<std::size_t>(GridRow)][static_cast<std::size_t>(K)] = FloatToStr(Parameter(TableRow, K));
}

void TVavoReverGame::EnableNeighbours(TBoardCell C) {
  // Hidden cells are enabled too; they stay invisible and cannot be clicked.
  for (const TBoardCell N : {TBoardCell{C.Row - 1, C.Column}, TBoardCell{C.Row + 1, C.Column},
                             TBoardCell{C.Row, C.Column - 1}, TBoardCell{C.Row, C.Column + 1}})
    if (OnBoard(N)) CellAt(N).Enabled = true;
}

long double TVavoReverGame::Parameter(int Row, int Letter) const {
  if (Row < 0 || Row >= ParameterRows || Letter < 0 || Letter >= ParameterCount) return 0;
  return FParameters[static_cast<std::size_t>(Row)][static_cast<std::size_t>(Letter)];
}

const std::string& TVavoReverGame::GridText(int Row, int Column) const {
  static const std::string Empty;
  if (Row < 0 || Row > ParameterRows || Column < 0 || Column >= ParameterCount) return Empty;
  return FGrid[static_cast<std::size_t>(Row)][static_cast<std::size_t>(Column)];
}
