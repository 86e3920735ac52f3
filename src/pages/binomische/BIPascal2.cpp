#include "pages/binomische/BIPascal2.h"

#include "pages/CheckGroups.h"
#include "pages/TermEntry.h"
#include "shell/MessageProcs.h"

TfmBIPascal2::TfmBIPascal2(QWidget* Parent)
    : TExercisePage(Parent, {QStringLiteral("MMTerm8"), QStringLiteral("MMTerm9"), QStringLiteral("MMTerm10")}) {}

void TfmBIPascal2::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmBIPascal2::PCVGlassButton1Click(QObject*) {
  if (Stage() > 0) return;
  // Each answer multiplied out: a sum without brackets, equal to its power.
  const auto Expanded = [this](int K, const char* Power) {
    return AllOf({IsSum(Term(K)), IsMultipliedOut(Term(K)), IsEquivalentTo(Term(K), QString::fromLatin1(Power))});
  };
  if (TCheck()
          .Line(1, Expanded(1, "(a+b)^3"))
          .Line(2, Expanded(2, "(a+b)^4"))
          .Line(-1, Expanded(3, "(a+b)^5"))
          .Passed()) {
    ShowMessageWindow(QStringLiteral("Meldung"), QStringLiteral("Das hast du sehr gut gemacht!"));
    Advance();
  }
}
