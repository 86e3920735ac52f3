#include "pages/aequivalenz/AEZusammenfassen.h"

#include <array>

#include "pages/CheckGroups.h"
#include "pages/TermEntry.h"
#include "shell/MessageProcs.h"

TfmAEZusammenfassen::TfmAEZusammenfassen(QWidget* Parent)
    : TExercisePage(Parent, {"MMTerm1", "MMTerm2", "MMTerm3", "MMTerm4", "MMTerm5"}) {}

void TfmAEZusammenfassen::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmAEZusammenfassen::PCVGlassButton1Click(QObject*) {
  struct TLine {
    int Report;  // the line as ShowLineError counts: the last two from the end
    const char* Short;
  };
  constexpr std::array<TLine, 5> Lines = {{{1, "8*x"}, {2, "3*a+2*b"}, {3, "x^3"}, {-2, "6*a^2"}, {-1, "4*y+3"}}};
  // Line by line: first the value, then the form.
  TCheck Check;
  for (int K = 1; K <= static_cast<int>(Lines.size()); ++K) {
    const TLine& L = Lines[static_cast<std::size_t>(K - 1)];
    Check.Line(L.Report, IsEquivalentTo(Term(K), QString::fromLatin1(L.Short)))
        .Error(QStringLiteral("Zeile %1 ist richtig umgeformt, aber noch nicht ganz zusammengefasst.").arg(K),
               IsCollected(Term(K)));
  }
  if (Check.Passed()) ShowPraise();
}
