#include "pages/multiplikation/MSVorzeichen.h"

#include "pages/TermEntry.h"
#include "pages/multiplikation/ExpandedLines.h"
#include "shell/MessageProcs.h"

TfmMSVorzeichen::TfmMSVorzeichen(QWidget* Parent)
    : TExercisePage(Parent, {"MMTerm1", "MMTerm2", "MMTerm3", "MMTerm4"}) {}

void TfmMSVorzeichen::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmMSVorzeichen::PCVGlassButton1Click(QObject*) {
  TCheck Check;
  ExpandedLine(Check, 1, 1, Term(1), "x^2-2*x-15");
  ExpandedLine(Check, 2, 2, Term(2), "a*c-a*d-b*c+b*d");
  ExpandedLine(Check, -2, 3, Term(3), "2*x^2+7*x-4");
  ExpandedLine(Check, -1, 4, Term(4), "9-y^2");
  if (Check.Passed()) ShowPraise();
}
