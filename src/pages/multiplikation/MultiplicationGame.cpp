#include "pages/multiplikation/MultiplicationGame.h"

#include <cstdlib>
#include <vector>

#include "common/Random.h"
#include "terms/Counterexample.h"
#include "terms/TermForms.h"
#include "terms/Terms.h"

namespace {
// "3*a", "a" for the coefficient 1, "-a" for -1.
std::string Part(int Coefficient, const std::string& Letters) {
  if (Coefficient == 1) return Letters;
  if (Coefficient == -1) return "-" + Letters;
  return std::to_string(Coefficient) + "*" + Letters;
}

// "+5", "-5".
std::string Signed(int N) { return (N < 0 ? "-" : "+") + std::to_string(std::abs(N)); }

// A number from 1 to Reach, negative by chance when Negative.
int DrawNumber(int Reach, bool Negative) {
  const int N = 1 + Random(Reach);
  return Negative && Random(2) == 1 ? -N : N;
}
}  // namespace

TMultiplicationGame::TMultiplicationGame() { NewTask(); }

void TMultiplicationGame::SetTask(const TMultiplicationTask& Task) {
  FTask = Task;
  SetTaskCaption(Caption(FTask));
}

std::string TMultiplicationGame::Caption(const TMultiplicationTask& Task) {
  return "(" + Part(Task.A, std::string(1, Task.X)) + Signed(Task.P) + ")*(" + Part(Task.B, std::string(1, Task.Y)) +
         Signed(Task.Q) + ")";
}

std::string TMultiplicationGame::Expanded(const TMultiplicationTask& Task) {
  const std::string X(1, Task.X), Y(1, Task.Y);
  struct TSummand {
    int Coefficient;
    std::string Letters;  // empty for the number
  };
  std::vector<TSummand> Summands;
  if (Task.X == Task.Y) {
    Summands = {{Task.A * Task.B, X + "^2"}, {Task.A * Task.Q + Task.P * Task.B, X}, {Task.P * Task.Q, ""}};
  } else {
    Summands = {{Task.A * Task.B, X + "*" + Y}, {Task.A * Task.Q, X}, {Task.P * Task.B, Y}, {Task.P * Task.Q, ""}};
  }
  std::string Text;
  for (const TSummand& S : Summands) {
    if (S.Coefficient == 0) continue;
    const std::string Term = S.Letters.empty() ? std::to_string(S.Coefficient) : Part(S.Coefficient, S.Letters);
    Text += Text.empty() || Term.front() == '-' ? Term : "+" + Term;
  }
  return Text.empty() ? "0" : Text;
}

std::string TMultiplicationGame::MakeTask() {
  const int S = Solved();
  TMultiplicationTask T;
  if (S < 3) {
    T.P = DrawNumber(3 + S, false);
    T.Q = DrawNumber(3 + S, false);
  } else if (S < 5) {
    T.P = DrawNumber(6, true);
    T.Q = DrawNumber(6, true);
  } else if (S < 7) {
    T.A = 1 + Random(3);
    T.P = DrawNumber(7, true);
    T.B = 1 + Random(3);
    T.Q = DrawNumber(7, true);
  } else {
    T.A = 1 + Random(5);
    T.P = DrawNumber(9, true);
    T.B = 1 + Random(5);
    T.Q = DrawNumber(9, true);
  }
  T.X = TaskLetters[Random(TaskLetterCount - 4)];
  T.Y = S < 7 ? T.X : TaskLetterAfter(T.X, 1 + Random(4));
  FTask = T;
  return Caption(FTask);
}

TGameMessage TMultiplicationGame::Judge(const std::string& AnswerCaption) const {
  const auto Answer = TTerm::ParseTerm(AnswerCaption);
  // A single term such as m^2 is multiplied out, only wrong: it is told so.
  if (Answer->IsA<TText>() || !IsMultipliedOut(*Answer)) return TGameMessage::Error(NotMultipliedOutText);
  const auto Task = TTerm::ParseTerm(TaskCaption());
  if (!TTerm::IsEquivalent(*Answer, *Task))
    return TGameMessage::Error(NotEquivalentText, TipLine(AnswerCaption, TaskCaption()));
  if (!IsCollected(*Answer)) return TGameMessage::Error(NotCollectedText);
  return TGameMessage::Praise();
}
