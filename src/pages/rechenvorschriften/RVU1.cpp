#include "pages/rechenvorschriften/RVU1.h"

#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

TfmRVU1::TfmRVU1(QWidget* Parent)
    : TExercisePage(Parent,
                    {"MMCombo1", "MMCombo2", "MMCombo3", "MMCombo4", "MMCombo5", "MMCombo6", "MMCombo7", "MMCombo8"}) {}

void TfmRVU1::PCVGlassButton1Click(QObject*) {
  // One line of pictures after the other: 1-3, 4-6, 7-8.
  if (TCheck()
          .Line(1, AllOf({ComboIsCorrect(Combo(1)), ComboIsCorrect(Combo(2)), ComboIsCorrect(Combo(3))}))
          .Line(2, AllOf({ComboIsCorrect(Combo(4)), ComboIsCorrect(Combo(5)), ComboIsCorrect(Combo(6))}))
          .Line(-1, AllOf({ComboIsCorrect(Combo(7)), ComboIsCorrect(Combo(8))}))
          .Passed())
    ShowPraise();
}
