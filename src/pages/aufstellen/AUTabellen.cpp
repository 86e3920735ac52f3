#include "pages/aufstellen/AUTabellen.h"

#include <algorithm>

#include "pages/CheckGroups.h"
#include "pages/TermEntry.h"
#include "shell/MessageProcs.h"

namespace {
constexpr int LastStage = 6;
}

TfmAUTabellen::TfmAUTabellen(QWidget* Parent)
    : TExercisePage(Parent, {"MMTerm1", "MMTerm2", "MMTerm3", "MMTerm4", "MMTerm5", "MMTerm6", "MMTerm7"},
                    {{"XShapeCard2", "RRGrid2", "MMTerm2"},
                     {"XShapeCard3", "RRGrid3", "MMTerm3"},
                     {"XShapeCard4", "RRGrid4", "MMTerm4"},
                     {"XShapeCard5", "RRGrid5", "MMTerm5"},
                     {"XShapeCard6", "RRGrid6", "MMTerm6"},
                     {"XShapeCard7", "RRGrid7", "MMTerm7"}}) {}

void TfmAUTabellen::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

// The table is the task: every term with the table's values is right,
// whatever its form; the hints are for terms that are not.
TCheck TfmAUTabellen::TableCheck(int Index) const {
  TCheck Check;
  switch (Index) {
    case 0:
      return Check.Error(QStringLiteral("Das ist noch nicht richtig; zu dem x wird offenbar 1 dazugezählt!"),
                         IsEquivalentTo(Term(1), "x+1"));
    case 1:
      return Check.Error(QStringLiteral("Falsch! Hast du gesehen, dass in der 2. Zeile Quadratzahlen stehen?"),
                         IsEquivalentTo(Term(2), "x^2"));
    case 2: return Check.StillWrong(IsEquivalentTo(Term(3), "x/2"));
    case 3: return Check.StillWrong(IsEquivalentTo(Term(4), "x-2,5"));
    case 4: return Check.StillWrong(IsEquivalentTo(Term(5), "2*x"));
    case 5:
      return Check.Error(QStringLiteral("Falsch! Vergleiche mit der Zeile darüber!"), IsEquivalentTo(Term(6), "2*x-1"));
    default: return Check.StillWrong(IsEquivalentTo(Term(7), "2-x"));
  }
}

void TfmAUTabellen::PCVGlassButton1Click(QObject*) {
  // The last table stays under test once it is solved.
  const int Current = std::min(Stage(), LastStage);
  if (!TableCheck(Current).Passed()) return;
  ShowPraise();
  if (Current < LastStage) Advance();
}
