#include "pages/aequivalenz/AERechengesetze.h"

#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

TfmAERechengesetze::TfmAERechengesetze(QWidget* Parent)
    : TExercisePage(Parent, {"MMCombo1", "MMCombo2", "MMCombo3", "MMCombo4", "MMCombo5"}) {}

void TfmAERechengesetze::PCVGlassButton1Click(QObject*) {
  if (TCheck()
          .Line(1, ComboIsCorrect(Combo(1)))
          .Line(2, ComboIsCorrect(Combo(2)))
          .Line(3, ComboIsCorrect(Combo(3)))
          .Line(-2, ComboIsCorrect(Combo(4)))
          .Line(-1, ComboIsCorrect(Combo(5)))
          .Passed())
    ShowPraise();
}
