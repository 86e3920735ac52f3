#include "pages/binomische/BinomialGame.h"

#include "common/Random.h"
#include "terms/Terms.h"

TBinomialGame::TBinomialGame() { NewTask(); }

void TBinomialGame::SetTask(const TBinomialTask& Task) {
  FTask = Task;
  SetTaskCaption(Caption(FTask));
}

std::string TBinomialGame::Caption(const TBinomialTask& Task) {
  const std::string Plus = std::to_string(Task.A) + "*" + Task.X + "+" + std::to_string(Task.B) + "*" + Task.Y;
  const std::string Minus = std::to_string(Task.A) + "*" + Task.X + "-" + std::to_string(Task.B) + "*" + Task.Y;
  switch (Task.Kind) {
    case 0: return "(" + Plus + ")^2";
    case 1: return "(" + Minus + ")^2";
    default: return "(" + Plus + ")*(" + Minus + ")";
  }
}

std::string TBinomialGame::MakeTask() {
  FTask.Kind = Random(3);
  FTask.A = 2 + Random(13);
  FTask.B = 2 + Random(13);
  FTask.X = TaskLetter(Random(19));
  FTask.Y = TaskLetterAfter(FTask.X, 1 + Random(4));
  return Caption(FTask);
}

TGameMessage TBinomialGame::Judge(const std::string& AnswerCaption) const {
  const auto Answer = TTerm::ParseTerm(AnswerCaption);
  if (!Answer->IsA<TSum>()) return TGameMessage::Error("Der Term ist keine Summe!");
  const auto Task = TTerm::ParseTerm(TaskCaption());
  if (TTerm::IsEquivalent(*Answer, *Task)) return TGameMessage::Praise();
  return TGameMessage::Error(NotEquivalentText);
}
