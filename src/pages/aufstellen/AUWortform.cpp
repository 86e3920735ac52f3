#include "pages/aufstellen/AUWortform.h"

#include <algorithm>

#include "pages/CheckGroups.h"
#include "pages/TermEntry.h"
#include "shell/MessageProcs.h"

namespace {
constexpr int LastStage = 6;
}

TfmAUWortform::TfmAUWortform(QWidget* Parent)
    : TExercisePage(Parent, {"MMTerm1", "MMTerm2", "MMTerm3", "MMTerm4", "MMTerm5", "MMTerm6", "MMTerm7"},
                    {{"XShapeRow2", "MiniHTMLRow2", "MMTerm2"},
                     {"XShapeRow3", "MiniHTMLRow3", "MMTerm3"},
                     {"XShapeRow4", "MiniHTMLRow4", "MMTerm4"},
                     {"XShapeRow5", "MiniHTMLRow5", "MMTerm5"},
                     {"XShapeRow6", "MiniHTMLRow6", "MMTerm6"},
                     {"XShapeRow7", "MiniHTMLRow7", "MMTerm7"}}) {}

void TfmAUWortform::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmAUWortform::PCVGlassButton1Click(QObject*) {
  struct TForms {
    int Box;
    std::initializer_list<const char*> Texts;
  };
  // The written form is the point here: each description is to be written
  // as it reads. The box shows x^4*2*(a/b) as x^4*2*a/b, which reads back
  // as (x^4*2*a)/b.
  static const TForms Accepted[] = {
      {1, {"x+y-z", "y+x-z"}},
      {2, {"(x+y)*4"}},
      {3, {"a^2*b"}},
      {4, {"(a+b+c)^2"}},
      {5, {"(a+b*c)/(a^4)"}},
      {6, {"2*x^4*a/b", "2*(x^4)*(a/b)", "(x^4)*2*(a/b)", "x^4*2*(a/b)", "(x^4*2*a)/b", "(2*x^4*a)/b"}},
      {7, {"((a+b)*(a-b))^2"}},
  };
  // The last description stays under test once it is solved.
  const int Current = std::min(Stage(), LastStage);
  const TForms& F = Accepted[Current];
  if (!TCheck()
           .Error(QStringLiteral("Dein Term ist gleichwertig. Schreibe ihn aber genau so, wie es der Text beschreibt."),
                  IsListedFormIfEquivalent(Term(F.Box), F.Texts))
           .StillWrong(TextIsOneOf(Term(F.Box), F.Texts))
           .Passed())
    return;
  ShowPraise();
  if (Current < LastStage) Advance();
}
