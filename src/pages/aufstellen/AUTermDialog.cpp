#include "pages/aufstellen/AUTermDialog.h"

#include <span>

#include "pages/TermEntry.h"
#include "scene/PCPanel.h"
#include "shell/MessageProcs.h"
#include "terms/MMTerm.h"

namespace {

// A given box, the answer box beside it and the line reported when they
// differ (-2 the second last, -1 the last).
struct TTermPair {
  int Given;
  int Answer;
  int Line;
};

constexpr TTermPair FirstGroup[] = {
    {1, 2, 1}, {3, 4, 2}, {5, 6, 3}, {7, 11, 4}, {8, 12, 5}, {9, 13, -2}, {10, 14, -1},
};
constexpr TTermPair SecondGroup[] = {
    {15, 16, 1}, {17, 18, 2}, {19, 20, -2}, {21, 22, -1},
};

}  // namespace

TfmAUTermDialog::TfmAUTermDialog(QWidget* Parent) : TForm(Parent) {}

TMMTerm* TfmAUTermDialog::MMTerm(int N) const { return Component<TMMTerm>(QStringLiteral("MMTerm%1").arg(N)); }

void TfmAUTermDialog::FormCreate(QObject*) { FStage = 0; }

void TfmAUTermDialog::MMTerm1Click(QObject* Sender) { EnterTerm(Sender); }

void TfmAUTermDialog::MMTerm2Click(QObject* Sender) { EnterTerm(Sender, TTermEntry::AsTyped); }

void TfmAUTermDialog::PCVGlassButton1Click(QObject*) {
  const std::span<const TTermPair> Pairs = FStage == 0 ? std::span<const TTermPair>(FirstGroup)
                                                       : std::span<const TTermPair>(SecondGroup);
  for (const TTermPair& Pair : Pairs) {
    // Both sides read afresh from their captions.
    if (!TTerm::TermsEqual(*MMTerm(Pair.Given)->GetTerm(), *MMTerm(Pair.Answer)->GetTerm())) {
      ShowLineError(Pair.Line);
      return;
    }
  }
  if (FStage == 0) {
    ShowPraise();
    Component<TPCPanel>(QStringLiteral("PCPanel2"))->SetVisible(true);
    FStage = 1;
  } else {
    ShowInfo(QStringLiteral("Deine Termeingabe ist in Ordnung!"));
    FStage = 2;
  }
}
