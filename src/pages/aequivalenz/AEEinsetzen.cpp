#include "pages/aequivalenz/AEEinsetzen.h"

#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

TfmAEEinsetzen::TfmAEEinsetzen(QWidget* Parent)
    : TExercisePage(Parent,
                    {"UpDown1", "UpDown2", "UpDown3", "UpDown4", "UpDown5", "UpDown6", "UpDown7", "UpDown8",
                     "UpDown9", "UpDown10", "UpDown11", "UpDown12", "MMCombo1"},
                    {{"lbSchluss"}}) {}

void TfmAEEinsetzen::PCVGlassButton1Click(QObject*) {
  // A row of the table: the term's values at x = 0, 1, 2, 3 in fields
  // First ... First + 3; each term grows by 2 from one x to the next.
  const auto Row = [this](int First, int AtZero) {
    return AllOf({HoldsNumber(Number(First), AtZero), HoldsNumber(Number(First + 1), AtZero + 2),
                  HoldsNumber(Number(First + 2), AtZero + 4), HoldsNumber(Number(First + 3), AtZero + 6)});
  };
  if (!TCheck()
           .Line(1, Row(1, 6))   // 2·(x + 3)
           .Line(-2, Row(5, 6))  // 2·x + 6
           .Line(-1, Row(9, 3))  // 2·x + 3
           .StillWrong(ComboIsCorrect(Combo(13)))
           .Passed())
    return;
  ShowPraise();
  if (Stage() == 0) Advance();
}
