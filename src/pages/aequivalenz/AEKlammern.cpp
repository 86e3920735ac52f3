#include "pages/aequivalenz/AEKlammern.h"

#include <array>

#include "pages/CheckGroups.h"
#include "pages/TermEntry.h"
#include "shell/MessageProcs.h"

TfmAEKlammern::TfmAEKlammern(QWidget* Parent) : TExercisePage(Parent, {"MMTerm1", "MMTerm2", "MMTerm3", "MMTerm4"}) {}

void TfmAEKlammern::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmAEKlammern::PCVGlassButton1Click(QObject*) {
  struct TLine {
    int Report;  // the line as ShowLineError counts: the last two from the end
    const char* Open;
  };
  constexpr std::array<TLine, 4> Lines = {{{1, "a-b-c"}, {2, "a+b-c"}, {-2, "a-b+c"}, {-1, "6-x"}}};
  // Line by line: first the value, then the brackets.
  TCheck Check;
  for (int K = 1; K <= static_cast<int>(Lines.size()); ++K) {
    const TLine& L = Lines[static_cast<std::size_t>(K - 1)];
    Check.Line(L.Report, IsEquivalentTo(Term(K), QString::fromLatin1(L.Open)))
        .Error(QStringLiteral("Zeile %1: Schreibe den Term ohne Klammern.").arg(K), IsWithoutBrackets(Term(K)));
  }
  if (Check.Passed()) ShowPraise();
}
