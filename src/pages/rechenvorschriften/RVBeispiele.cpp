#include "pages/rechenvorschriften/RVBeispiele.h"

#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

TfmRVBeispiele::TfmRVBeispiele(QWidget* Parent)
    : TExercisePage(Parent,
                    {"MMCombo1", "MMCombo2", "MMCombo3", "MMCombo4", "MMCombo5", "MMCombo6", "MMCombo7", "MMCombo8"},
                    {{"lbOrdne", "XShapeKarte9", "lbKontext1", "MMCombo2", "lbKontext2", "MMCombo3", "lbKontext3", "MMCombo4",
                      "lbKontext4", "MMCombo5", "lbKontext5", "MMCombo6", "lbKontext6", "MMCombo7", "lbKontext7",
                      "MMCombo8"}}) {}

void TfmRVBeispiele::PCVGlassButton1Click(QObject*) {
  TCheck Check;
  switch (Stage()) {
    case 0: Check.Line(0, ComboIsCorrect(Combo(1))); break;
    case 1:
      // Each context row must get the letter of its form.
      Check.Line(1, ComboIsCorrect(Combo(2)))
          .Line(2, ComboIsCorrect(Combo(3)))
          .Line(3, ComboIsCorrect(Combo(4)))
          .Line(4, ComboIsCorrect(Combo(5)))
          .Line(5, ComboIsCorrect(Combo(6)))
          .Line(-2, ComboIsCorrect(Combo(7)))
          .Line(-1, ComboIsCorrect(Combo(8)));
      break;
    default: return;
  }
  if (Check.Passed()) {
    ShowPraise();
    Advance();
  }
}
