#include "pages/aufstellen/AUAlgorithmen.h"

#include "pages/CheckGroups.h"
#include "pages/TermEntry.h"
#include "shell/MessageProcs.h"

TfmAUAlgorithmen::TfmAUAlgorithmen(QWidget* Parent)
    : TExercisePage(Parent, {"MMTerm1", "MMTerm2", "MMTerm3", "MMTerm4", "MMTerm5"}) {}

void TfmAUAlgorithmen::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmAUAlgorithmen::PCVGlassButton1Click(QObject*) {
  if (TCheck()
          .Line(1, TextIsOneOf(Term(1), {"(a+b)/2"}))
          .Line(2, TextIsOneOf(Term(2), {"x/10*3+(x/10)^2", "(x/10)*3+(x/10)^2"}))
          .Line(3, TextIsOneOf(Term(3), {"(l*b)/2"}))
          .Line(4, TextIsOneOf(Term(4), {"(l+b)*2"}))
          .Line(5, TextIsOneOf(Term(5), {"(a+b+c)/3"}))
          .Passed())
    ShowPraise();
}
