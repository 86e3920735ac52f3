#include "pages/faktorisieren/FAGliederung.h"

#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"

namespace {
constexpr int LeftTreeCount = 10;   // answers 1 ... 10
constexpr int RightTreeCount = 6;   // answers 11 ... 16
constexpr int ThirdLeftProduct = 4;
}  // namespace

TfmFAGliederung::TfmFAGliederung(QWidget* Parent)
    : TExercisePage(Parent,
                    {"MMCombo1", "MMCombo2", "MMCombo3", "MMCombo4", "MMCombo5", "MMCombo6", "MMCombo7", "MMCombo8",
                     "MMCombo9", "MMCombo10", "MMCombo11", "MMCombo12", "MMCombo13", "MMCombo14", "MMCombo15",
                     "MMCombo16"},
                    {{"MiniHTML2"}}) {}

void TfmFAGliederung::PCVGlassButton1Click(QObject*) {
  if (Stage() > 0) {
    if (TCheck().StillWrong(ComboIsCorrect(Combo(ThirdLeftProduct))).Passed()) ShowPraise();
    return;
  }
  const auto TreeIsRight = [this](int First, int Count) {
    return [this, First, Count] {
      for (int K = First; K < First + Count; ++K)
        if (!ComboIsCorrect(Combo(K))()) return false;
      return true;
    };
  };
  if (TCheck()
          .Error(QStringLiteral("Der linke Term ist noch nicht korrekt."), TreeIsRight(1, LeftTreeCount))
          .Error(QStringLiteral("Im zweiten Term ist noch ein Fehler"),
                 TreeIsRight(LeftTreeCount + 1, RightTreeCount))
          .Passed()) {
    ShowPraise();
    Advance();
  }
}
