#include "pages/faktorisieren/FactoringGame.h"

#include <memory>
#include <vector>

#include "common/NumberFormat.h"
#include "common/Random.h"
#include "terms/Terms.h"

namespace {
std::string Str(int N) { return std::to_string(N); }
}  // namespace

// ---------------------------------------------------------------------------
// Taking out a common factor

int TCommonFactorTask::D() const {
  int Divisor = 1;
  for (int K = 2; K <= P(); ++K)
    if (P() % K == 0 && Q() % K == 0) Divisor = K;
  return Divisor;
}

TCommonFactorGame::TCommonFactorGame() { NewTask(); }

void TCommonFactorGame::SetTask(const TCommonFactorTask& Task) {
  FTask = Task;
  SetTaskCaption(Caption(FTask));
}

std::string TCommonFactorGame::Caption(const TCommonFactorTask& Task) {
  const std::string Suffix = Task.WithCommonLetter ? std::string("*") + Task.W() : std::string();
  return Str(Task.P()) + "*" + Task.X + Suffix + (Task.Minus ? "-" : "+") + Str(Task.Q()) + "*" +
         TaskLetterAfter(Task.X, 1) + Suffix;
}

std::string TCommonFactorGame::MakeTask() {
  FTask.F = 2 + Random(13);
  FTask.G = 2 + Random(13);
  FTask.H = 2 + Random(13);
  FTask.X = TaskLetter(Random(21));
  FTask.WithCommonLetter = Random(2) == 1;
  FTask.Minus = Random(2) == 1;
  return Caption(FTask);
}

TGameMessage TCommonFactorGame::Judge(const std::string& AnswerCaption) const {
  const auto Answer = TTerm::ParseTerm(AnswerCaption);
  if (!Answer->IsA<TMul>()) return TGameMessage::Error("Der Term ist kein Produkt!");

  std::vector<std::unique_ptr<TTerm>> Factors;
  static_cast<const TMul&>(*Answer).CollectFactors(Factors);
  const long double D = FTask.D();
  for (const auto& Factor : Factors) {
    std::string Fault;
    if (Factor->IsExactly<TConstant>()) {
      const long double Value = static_cast<const TConstant&>(*Factor).Value();
      if (Value != D) Fault = FloatToStr(Value) + " steht da, " + FloatToStr(D) + " erwartet!";
    } else if (Factor->IsExactly<TVariable>()) {
      if (Factor->ToString() != std::string(1, FTask.W())) Fault = "die falsche Variable";
    }
    if (!Fault.empty()) return TGameMessage::Error("Fehler beim Ausklammern: " + Fault);
  }

  const auto Task = TTerm::ParseTerm(TaskCaption());
  if (TTerm::IsEquivalent(*Answer, *Task)) return TGameMessage::Praise();
  return TGameMessage::Error(NotEquivalentText);
}

// ---------------------------------------------------------------------------
// Factoring with the binomial formulas

TBinomialFactorGame::TBinomialFactorGame() { NewTask(); }

void TBinomialFactorGame::SetTask(const TBinomialFactorTask& Task) {
  FTask = Task;
  SetTaskCaption(Caption(FTask));
}

std::string TBinomialFactorGame::Caption(const TBinomialFactorTask& Task) {
  const std::string First = Str(Task.p * Task.p) + "*" + Task.X + "^2";
  const std::string Last = Str(Task.q * Task.q) + "*" + Task.Y + "^2";
  const auto Middle = [&Task](int M) { return Str(M) + "*" + Task.X + "*" + Task.Y; };
  switch (Task.Kind) {
    case 0: return First + "+" + Last;
    case 1: return First + "-" + Last;
    case 2: return First + "-" + Middle(Task.m()) + "+" + Last;
    case 3: return First + "+" + Middle(Task.m()) + "+" + Last;
    case 4: return First + "+" + Middle(Task.m() / 2) + "+" + Last;
    default: return First + "-" + Middle(Task.m() / 2) + "+" + Last;
  }
}

std::string TBinomialFactorGame::MakeTask() {
  FTask.Kind = Random(9);
  if (FTask.Kind > 5) FTask.Kind -= 5;
  const int p = 1 + Random(10);
  FTask.p = p;
  switch (Random(5)) {
    case 0: FTask.q = p + 1; break;
    case 1: FTask.q = 2 * p - 1; break;
    case 2: FTask.q = p % 5 != 0 ? p + 5 : p + 4; break;
    case 3: FTask.q = p % 2 != 0 ? p + 6 : p + 7; break;
    default: FTask.q = p % 3 != 0 ? p + 3 : p + 8; break;
  }
  FTask.X = TaskLetter(Random(20));
  FTask.Y = TaskLetterAfter(FTask.X, 1 + Random(3));
  return Caption(FTask);
}

namespace {
// A product, a power, or another two-part term whose right part (with its
// letters at 0) is 2, such as a square written with a quotient.
bool LooksLikeProduct(const TTerm& Answer) {
  if (Answer.IsExactly<TMul>() || Answer.IsExactly<TPower>()) return true;
  const auto* Dyad = dynamic_cast<const TDyad*>(&Answer);
  return Dyad && Dyad->Right()->Evaluate() == 2;
}
}  // namespace

TGameMessage TBinomialFactorGame::Judge(const std::string& AnswerCaption) const {
  const bool NotFactored = AnswerCaption == "?";
  if (!FTask.Factorable()) {
    if (NotFactored) return TGameMessage::Praise();
    return TGameMessage::Info("Ist das eine binomische Formel?");
  }
  if (NotFactored) return TGameMessage::Error("Ist das nicht eine binomische Formel?");
  const auto Answer = TTerm::ParseTerm(AnswerCaption);
  if (!LooksLikeProduct(*Answer)) return TGameMessage::Error("Der eingegebene Term ist kein Produkt!");
  const auto Task = TTerm::ParseTerm(TaskCaption());
  if (TTerm::IsEquivalent(*Answer, *Task)) return TGameMessage::Praise();
  return TGameMessage::Error(NotEquivalentText);
}
