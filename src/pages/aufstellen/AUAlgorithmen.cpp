#include "pages/aufstellen/AUAlgorithmen.h"

#include "pages/CheckGroups.h"
#include "pages/TermEntry.h"
#include "shell/MessageProcs.h"

TfmAUAlgorithmen::TfmAUAlgorithmen(QWidget* Parent)
    : TExercisePage(Parent, {"MMTerm1", "MMTerm2", "MMTerm3", "MMTerm4", "MMTerm5"}) {}

void TfmAUAlgorithmen::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmAUAlgorithmen::PCVGlassButton1Click(QObject*) {
  struct TForms {
    int Line;
    std::initializer_list<const char*> Texts;
  };
  // Each term follows its procedure step by step, in the order of the steps.
  static const TForms Procedures[] = {
      {1, {"(a+b)/2"}},
      {2, {"x/10*3+(x/10)^2", "(x/10)*3+(x/10)^2"}},
      {3, {"(l*b)/2"}},
      {4, {"(l+b)*2"}},
      {5, {"(a+b+c)/3"}},
  };
  TCheck Check;
  for (const TForms& P : Procedures)
    Check
        .Error(QStringLiteral("Zeile %1: Dein Term ist gleichwertig. Schreibe ihn aber in der Reihenfolge des Ablaufs.")
                   .arg(P.Line),
               IsListedFormIfEquivalent(Term(P.Line), P.Texts))
        .Line(P.Line, TextIsOneOf(Term(P.Line), P.Texts));
  if (Check.Passed()) ShowPraise();
}
