#include "pages/binomische/BITrinom.h"

#include "pages/CheckGroups.h"
#include "pages/TermEntry.h"
#include "shell/MessageProcs.h"

TfmBITrinom::TfmBITrinom(QWidget* Parent) : TExercisePage(Parent, {QStringLiteral("MMTerm1")}) {}

void TfmBITrinom::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmBITrinom::PCVGlassButton1Click(QObject*) {
  if (TCheck()
          .Error(QStringLiteral("Der neue Term muss in jedem Fall eine Summe sein."),
                 AllOf({IsSum(Term(1)), IsMultipliedOut(Term(1))}))
          .Error(QStringLiteral("Das stimmt noch nicht"), IsEquivalentTo(Term(1), QStringLiteral("(a+b)^3")))
          .Passed())
    ShowPraise();
}
