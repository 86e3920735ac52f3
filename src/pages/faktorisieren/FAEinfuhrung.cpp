#include "pages/faktorisieren/FAEinfuhrung.h"

#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

TfmFAEinfuhrung::TfmFAEinfuhrung(QWidget* Parent)
    : TExercisePage(Parent, {"MMCombo1", "MMCombo2", "MMCombo3", "MMCombo4"},
                    {{"XShape20", "Label10", "MiniHTML2", "Label11", "MMCombo4"}}) {}

void TfmFAEinfuhrung::PCVGlassButton1Click(QObject*) {
  if (Stage() == 0) {
    if (TCheck()
            .StillWrong(AllOf({ComboIsCorrect(Combo(1)), ComboIsCorrect(Combo(2)), ComboIsCorrect(Combo(3))}))
            .Passed()) {
      ShowPraise();
      Advance();
    }
    return;
  }
  // The piece areas are settled; changing them now changes nothing.
  if (TCheck().StillWrong(ComboIsCorrect(Combo(4))).Passed()) ShowPraise();
}
