#include "pages/faktorisieren/FADefinition.h"

#include "pages/CheckGroups.h"
#include "shell/MessageProcs.h"
#include "terms/MMTerm.h"

TfmFADefinition::TfmFADefinition(QWidget* Parent)
    : TExercisePage(Parent, {"MMCombo1", "MMCombo2", "MMCombo3", "MMCombo4", "MMCombo5", "MMCombo6"},
                    {{"XShape1", "XShape2", "XShape3", "XShape4", "XShape5", "XShape6", "MiniHTML2",
                      "PCPanel2"}}) {
  // The one check reveals the factor shapes.
  SetFinalStage(0);
}

TMMTerm* TfmFADefinition::MMTerm(int N) const { return Component<TMMTerm>(QStringLiteral("MMTerm%1").arg(N)); }

void TfmFADefinition::PCVGlassButton1Click(QObject*) {
  if (Stage() > 0) return;
  // One message for any wrong arrow: finding which one is part of the task.
  if (TCheck()
          .StillWrong(AllOf({ComboIsCorrect(Combo(1)), ComboIsCorrect(Combo(2)), ComboIsCorrect(Combo(3)),
                             ComboIsCorrect(Combo(4)), ComboIsCorrect(Combo(5)), ComboIsCorrect(Combo(6))}))
          .Passed()) {
    ShowPraise();
    Advance();
  }
}
