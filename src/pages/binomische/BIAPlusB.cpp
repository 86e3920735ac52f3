#include "pages/binomische/BIAPlusB.h"

#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

TfmBIAPlusB::TfmBIAPlusB(QWidget* Parent)
    : TExercisePage(Parent, {QStringLiteral("MMCombo1"), QStringLiteral("MMCombo2")}) {}

void TfmBIAPlusB::PCVGlassButton1Click(QObject*) {
  if (TCheck().StillWrong([this] { return AnswersRight(); }).Passed()) ShowPraise();
}

// (a+b)·(a+b) or (a+b)², and a² + 2ab + b²: the items marked in the design.
bool TfmBIAPlusB::AnswersRight() const {
  return AllOf({ComboIsCorrect(Combo(1)), ComboIsCorrect(Combo(2))})();
}
