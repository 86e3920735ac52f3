#include "pages/rechenvorschriften/RVTerm.h"

#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

TfmRVTerm::TfmRVTerm(QWidget* Parent)
    : TExercisePage(Parent, {"MMCombo1", "MMCombo2", "MMCombo3"}, {{"MiniHTML2"}, {"MiniHTML3"}, {"MiniHTML4"}}) {
  // Only the first stage is checked; the others reveal the next text.
  SetFinalStage(0);
}

void TfmRVTerm::PCVGlassButton1Click(QObject*) {
  if (Stage() == 0) {
    if (TCheck()
            .Line(1, ComboIsCorrect(Combo(1)))
            .Line(2, ComboIsCorrect(Combo(2)))
            .Line(-1, ComboIsCorrect(Combo(3)))
            .Passed()) {
      ShowPraise();
      Advance();
    }
  } else if (Stage() < RevealCount()) {
    // The explanations follow one per press, without a check.
    Advance();
  }
}
