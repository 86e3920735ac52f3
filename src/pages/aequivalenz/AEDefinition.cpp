#include "pages/aequivalenz/AEDefinition.h"

#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

TfmAEDefinition::TfmAEDefinition(QWidget* Parent)
    : TExercisePage(Parent, {"MMCombo1", "MMCombo2", "MMCombo3", "MMCombo4"}, {{"lbSchluss"}}) {}

void TfmAEDefinition::PCVGlassButton1Click(QObject*) {
  if (!TCheck()
           .Line(1, ComboIsCorrect(Combo(1)))
           .Line(2, ComboIsCorrect(Combo(2)))
           .Line(-2, ComboIsCorrect(Combo(3)))
           .Line(-1, ComboIsCorrect(Combo(4)))
           .Passed())
    return;
  ShowPraise();
  if (Stage() == 0) Advance();
}
