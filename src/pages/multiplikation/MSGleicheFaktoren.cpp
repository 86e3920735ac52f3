#include "pages/multiplikation/MSGleicheFaktoren.h"

#include <optional>

#include "pages/TermEntry.h"
#include "pages/multiplikation/ExpandedLines.h"
#include "shell/MMX.h"
#include "shell/MessageProcs.h"
#include "shell/PageNumbers.h"

TfmMSGleicheFaktoren::TfmMSGleicheFaktoren(QWidget* Parent)
    : TExercisePage(Parent, {"MMTerm1", "MMTerm2", "MMTerm3"}, {{"XShapeCard2", "MiniHTML4", "MiniHTMLLink"}}) {}

void TfmMSGleicheFaktoren::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmMSGleicheFaktoren::PCVGlassButton1Click(QObject*) {
  TCheck Check;
  ExpandedLine(Check, 1, 1, Term(1), "a^2+2*a*b+b^2");
  ExpandedLine(Check, -2, 2, Term(2), "a^2-2*a*b+b^2");
  ExpandedLine(Check, -1, 3, Term(3), "a^2-b^2");
  if (!Check.Passed()) return;
  ShowPraise();
  if (Stage() == 0) Advance();
}

void TfmMSGleicheFaktoren::MiniHTMLLinkHyperjump(QObject*, const QString& URL) {
  const std::optional<int> Page = PageFromLinkTarget(URL.toStdString());
  if (MMX && Page) MMX->PostGotoPage(*Page, true);
}
