#include "pages/multiplikation/MSSummeMalSumme.h"

#include "pages/TermEntry.h"
#include "pages/multiplikation/ExpandedLines.h"
#include "shell/MessageProcs.h"

TfmMSSummeMalSumme::TfmMSSummeMalSumme(QWidget* Parent)
    : TExercisePage(Parent, {"MMTerm1", "MMTerm2", "MMTerm3", "MMTerm4", "MMTerm5", "MMTerm6", "MMTerm7"},
                    {{"XShapeCard2",        "MiniHTML2",         "LabelOpen1",        "LabelA",
                      "LabelPlus1",         "LabelB",            "LabelTimes",        "LabelC",
                      "LabelPlus2",         "LabelD",            "LabelClose2",       "XPolygonArcAC",
                      "XPolygonArcACHead",  "XPolygonArcAD",     "XPolygonArcADHead", "XPolygonArcBC",
                      "XPolygonArcBCHead",  "XPolygonArcBD",     "XPolygonArcBDHead", "LabelResult",
                      "LabelTasks",         "LabelRow6",         "MMTermTask6",       "LabelIs6",
                      "MMTerm6",            "LabelRow7",         "MMTermTask7",       "LabelIs7",
                      "MMTerm7"}}) {}

void TfmMSSummeMalSumme::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmMSSummeMalSumme::PCVGlassButton1Click(QObject*) {
  TCheck Check;
  if (Stage() == 0) {
    // The parts by their place: a*c top left, a*d top right, b*c and b*d below.
    Check.Line(1, IsEquivalentTo(Term(1), "a*c"))
        .Line(2, IsEquivalentTo(Term(2), "a*d"))
        .Line(3, IsEquivalentTo(Term(3), "b*c"))
        .Line(-2, IsEquivalentTo(Term(4), "b*d"));
    ExpandedLine(Check, -1, 5, Term(5), "a*c+a*d+b*c+b*d");
  } else {
    // The products stay under test once they are solved.
    ExpandedLine(Check, -2, 1, Term(6), "x*y+3*x+2*y+6");
    ExpandedLine(Check, -1, 2, Term(7), "a*c+a*d+a*e+b*c+b*d+b*e");
  }
  if (!Check.Passed()) return;
  ShowPraise();
  if (Stage() == 0) Advance();
}
