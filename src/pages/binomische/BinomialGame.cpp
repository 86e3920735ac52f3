#include "pages/binomische/BinomialGame.h"

#include <algorithm>

#include "common/Random.h"
#include "terms/Counterexample.h"
#include "terms/TermForms.h"
#include "terms/Terms.h"

namespace {
// "3*a", "a" for the coefficient 1, "5" without a letter.
std::string Part(int Coefficient, char Letter) {
  if (!Letter) return std::to_string(Coefficient);
  return Coefficient == 1 ? std::string(1, Letter) : std::to_string(Coefficient) + "*" + Letter;
}
}  // namespace

TBinomialGame::TBinomialGame(TBinomialLevel Level) : FLevel(Level) { NewTask(); }

void TBinomialGame::SetTask(const TBinomialTask& Task) {
  FTask = Task;
  SetTaskCaption(Caption(FTask));
}

std::string TBinomialGame::Caption(const TBinomialTask& Task) {
  const std::string First = Part(Task.A, Task.X);
  const std::string Second = Part(Task.B, Task.Y);
  const std::string Plus = First + "+" + Second;
  const std::string Minus = First + "-" + Second;
  switch (Task.Kind) {
    case 0: return "(" + Plus + ")^2";
    case 1: return "(" + Minus + ")^2";
    default: return "(" + Plus + ")*(" + Minus + ")";
  }
}

std::string TBinomialGame::MakeTask() {
  FTask.Kind = Random(3);
  bool TwoLetters = true;
  if (FLevel == TBinomialLevel::Full) {
    FTask.A = 2 + Random(13);
    FTask.B = 2 + Random(13);
  } else {
    const int S = Solved();
    FTask.A = 1 + Random(1 + S / 3);
    FTask.B = 1 + Random(std::min(6 + S, 14));
    TwoLetters = S >= 5;
  }
  FTask.X = TaskLetters[Random(TaskLetterCount - 4)];
  FTask.Y = TwoLetters ? TaskLetterAfter(FTask.X, 1 + Random(4)) : 0;
  return Caption(FTask);
}

TGameMessage TBinomialGame::Judge(const std::string& AnswerCaption) const {
  const auto Answer = TTerm::ParseTerm(AnswerCaption);
  if (!Answer->IsA<TSum>() || !IsMultipliedOut(*Answer)) return TGameMessage::Error("Der Term ist keine Summe!");
  const auto Task = TTerm::ParseTerm(TaskCaption());
  if (TTerm::IsEquivalent(*Answer, *Task)) return TGameMessage::Praise();
  return TGameMessage::Error(NotEquivalentText, TipLine(AnswerCaption, TaskCaption()));
}
