#include "pages/multiplikation/MSZahlMalSumme.h"

#include <algorithm>

#include "pages/TermEntry.h"
#include "pages/multiplikation/ExpandedLines.h"
#include "shell/MessageProcs.h"

TfmMSZahlMalSumme::TfmMSZahlMalSumme(QWidget* Parent)
    : TExercisePage(Parent, {"MMTerm1", "MMTerm2", "MMTerm3", "MMTerm4", "MMTerm5", "MMTerm6"},
                    {{"XShapeCard2", "MiniHTML2", "LabelRule", "MiniHTML3", "LabelTasks", "LabelRow4", "LabelRow5",
                      "LabelRow6", "MMTermTask4", "MMTermTask5", "MMTermTask6", "LabelIs4", "LabelIs5", "LabelIs6",
                      "MMTerm4", "MMTerm5", "MMTerm6"}}) {}

void TfmMSZahlMalSumme::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmMSZahlMalSumme::PCVGlassButton1Click(QObject*) {
  TCheck Check;
  if (Stage() == 0) {
    Check.Line(1, IsEquivalentTo(Term(1), "3*x")).Line(-2, IsEquivalentTo(Term(2), "12"));
    ExpandedLine(Check, -1, 3, Term(3), "3*x+12");
  } else {
    // The products stay under test once they are solved.
    ExpandedLine(Check, 1, 1, Term(4), "a*b-a*c");
    ExpandedLine(Check, -2, 2, Term(5), "-2*x+10");
    ExpandedLine(Check, -1, 3, Term(6), "x^2+x");
  }
  if (!Check.Passed()) return;
  ShowPraise();
  if (Stage() == 0) Advance();
}
