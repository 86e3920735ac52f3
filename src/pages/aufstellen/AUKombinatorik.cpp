#include "pages/aufstellen/AUKombinatorik.h"

#include "pages/CheckGroups.h"
#include "pages/TermEntry.h"
#include "shell/MessageProcs.h"

namespace {
// The stages whose press only shows the next problem.
constexpr int LockStart = 0;
constexpr int LeagueStart = 6;
constexpr int LastStage = 8;
}  // namespace

TfmAUKombinatorik::TfmAUKombinatorik(QWidget* Parent)
    : TExercisePage(Parent,
                    {"UpDown1", "UpDown2", "UpDown3", "UpDown4", "UpDown5", "UpDown6", "UpDown7", "UpDown8", "MMTerm1",
                     "UpDown9", "UpDown10", "UpDown11", "UpDown12", "UpDown13", "MMTerm2"},
                    {{"LabelRings", "LabelRing1", "LabelRing2", "LabelRing3", "LabelRing4", "LabelThree", "Edit1",
                      "UpDown1", "Edit2", "UpDown2"},
                     {"Edit3", "UpDown3", "Edit4", "UpDown4"},
                     {"LabelTen", "Edit5", "UpDown5", "Edit6", "UpDown6"},
                     {"Edit7", "UpDown7", "Edit8", "UpDown8"},
                     {"LabelLockTerm", "MMTerm1"},
                     {"LabelNext"},
                     {"XShapeLeague", "MiniHTMLLeague", "XShapePitch", "XShapeHalfway", "XShapeCircle", "XShapeBoxLeft",
                      "XShapeBoxRight", "XShapeSpot", "LabelTeams", "LabelTeams2", "LabelTeams3", "LabelTeams4",
                      "LabelTeams5", "LabelTeams6", "LabelGames", "Edit9", "UpDown9", "Edit10", "UpDown10", "Edit11",
                      "UpDown11", "Edit12", "UpDown12", "Edit13", "UpDown13"},
                     {"LabelLeagueTerm", "MMTerm2"}}) {}

void TfmAUKombinatorik::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmAUKombinatorik::PCVGlassButton1Click(QObject*) {
  const int Current = Stage();
  if (Current == LockStart || Current == LeagueStart) {
    // The hint to go on belongs to the lock; the league takes its place.
    if (Current == LeagueStart) ShowComponents({"LabelNext"}, false);
    Advance();
    return;
  }
  TCheck Check;
  switch (Current) {
    case 1: Check.StillWrong(AllOf({HoldsNumber(Number(1), 3), HoldsNumber(Number(2), 9)})); break;
    case 2: Check.StillWrong(AllOf({HoldsNumber(Number(3), 27), HoldsNumber(Number(4), 81)})); break;
    case 3: Check.StillWrong(AllOf({HoldsNumber(Number(5), 10), HoldsNumber(Number(6), 100)})); break;
    case 4: Check.StillWrong(AllOf({HoldsNumber(Number(7), 1000), HoldsNumber(Number(8), 10000)})); break;
    case 5: Check.StillWrong(TextIsOneOf(Term(9), {"m^n"})); break;
    case 7:
      Check.Line(1, HoldsNumber(Number(10), 2))
          .Line(2, HoldsNumber(Number(11), 6))
          .Line(3, HoldsNumber(Number(12), 12))
          .Line(-2, HoldsNumber(Number(13), 20))
          .Line(-1, HoldsNumber(Number(14), 30));
      break;
    case LastStage: Check.StillWrong(IsEquivalentTo(Term(15), "n*(n-1)")); break;
    default: return;
  }
  if (!Check.Passed()) return;
  ShowPraise();
  // The league term stays under test once it is solved.
  if (Current < LastStage) Advance();
}
