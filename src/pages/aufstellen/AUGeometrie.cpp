#include "pages/aufstellen/AUGeometrie.h"

#include "pages/CheckGroups.h"
#include "pages/TermEntry.h"
#include "shell/MessageProcs.h"

TfmAUGeometrie::TfmAUGeometrie(QWidget* Parent)
    : TExercisePage(Parent, {"MMTerm1", "MMTerm2", "MMTerm3", "MMTerm4", "MMTerm5", "MMTerm6"}) {}

void TfmAUGeometrie::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmAUGeometrie::PCVGlassButton2Click(QObject*) {
  if (TCheck()
          .Line(1, IsEquivalentTo(Term(1), "e*c"))
          .Line(2, IsEquivalentTo(Term(2), "c*c/2"))
          .Line(3, IsEquivalentTo(Term(3), "(a-b-c)*c/2"))
          .Line(4, IsEquivalentTo(Term(4), "(b+0,5*c)*c"))
          .Line(-2, IsEquivalentTo(Term(5), "d*c/2"))
          .Line(-1, IsEquivalentTo(Term(6), "(0,5*d+0,5*c+e)*c"))
          .Passed())
    ShowPraise();
}
