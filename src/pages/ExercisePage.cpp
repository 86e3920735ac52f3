#include "pages/ExercisePage.h"

#include "platform/MaskEdit.h"
#include "platform/UpDown.h"
#include "scene/MMCombo.h"
#include "terms/MMTerm.h"

TExercisePage::TExercisePage(QWidget* Parent, QStringList Answers, std::vector<QStringList> Reveals)
    : TForm(Parent), FAnswers(std::move(Answers)), FReveals(std::move(Reveals)) {}

QObject* TExercisePage::Answer(int K) const { return Component<QObject>(FAnswers.value(K - 1)); }

TMMTerm* TExercisePage::Term(int K) const { return Component<TMMTerm>(FAnswers.value(K - 1)); }
TMMCombo* TExercisePage::Combo(int K) const { return Component<TMMCombo>(FAnswers.value(K - 1)); }
TUpDown* TExercisePage::Number(int K) const { return Component<TUpDown>(FAnswers.value(K - 1)); }
TMaskEdit* TExercisePage::Masked(int K) const { return Component<TMaskEdit>(FAnswers.value(K - 1)); }

int TExercisePage::FinalStage() const {
  if (FFinalStage) return *FFinalStage;
  return FAnswers.isEmpty() ? -1 : RevealCount();
}

void TExercisePage::DoCreate() {
  FStage = 0;
  for (const QStringList& Names : FReveals) ShowComponents(Names, false);
  TForm::DoCreate();
}

void TExercisePage::Advance() {
  if (FStage < RevealCount()) ShowComponents(FReveals[static_cast<size_t>(FStage)]);
  ++FStage;
}

void TExercisePage::ShowComponents(const QStringList& Names, bool Visible) const {
  for (const QString& Name : Names) Component<TControl>(Name)->SetVisible(Visible);
}
