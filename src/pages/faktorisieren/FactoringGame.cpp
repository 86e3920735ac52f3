#include "pages/faktorisieren/FactoringGame.h"

#include <memory>
#include <numeric>
#include <vector>

#include "common/NumberFormat.h"
#include "common/Random.h"
#include "terms/Counterexample.h"
#include "terms/TermForms.h"
#include "terms/Terms.h"

namespace {
std::string Str(int N) { return std::to_string(N); }

// "9*x^2", and "x^2" for the coefficient 1.
std::string Times(int Coefficient, const std::string& Letters) {
  return Coefficient == 1 ? Letters : Str(Coefficient) + "*" + Letters;
}

// The factors of a product, signs and quotients opened up.
void CollectFactors(const TTerm& T, std::vector<const TTerm*>& Factors) {
  if (const auto* Neg = dynamic_cast<const TNeg*>(&T)) return CollectFactors(*Neg->Operand(), Factors);
  if (T.IsA<TMul>()) {
    const auto& D = static_cast<const TDyad&>(T);
    CollectFactors(*D.Left(), Factors);
    CollectFactors(*D.Right(), Factors);
    return;
  }
  Factors.push_back(&T);
}

TGameMessage NotEquivalent(const std::string& Answer, const std::string& Task) {
  return TGameMessage::Error(NotEquivalentText, TipLine(Answer, Task));
}
}  // namespace

// ---------------------------------------------------------------------------
// Taking out a common factor

int TCommonFactorTask::D() const { return std::gcd(P(), Q()); }

TCommonFactorGame::TCommonFactorGame() { NewTask(); }

void TCommonFactorGame::SetTask(const TCommonFactorTask& Task) {
  FTask = Task;
  SetTaskCaption(Caption(FTask));
}

std::string TCommonFactorGame::Caption(const TCommonFactorTask& Task) {
  const std::string Suffix = Task.WithCommonLetter ? std::string("*") + Task.W() : std::string();
  return Str(Task.P()) + "*" + Task.X + Suffix + (Task.Minus ? "-" : "+") + Str(Task.Q()) + "*" + Task.Y() + Suffix;
}

std::string TCommonFactorGame::MakeTask() {
  FTask.F = 2 + Random(13);
  FTask.G = 2 + Random(13);
  FTask.H = 2 + Random(13);
  FTask.X = TaskLetters[Random(TaskLetterCount - 2)];
  FTask.WithCommonLetter = Random(2) == 1;
  FTask.Minus = Random(2) == 1;
  return Caption(FTask);
}

TGameMessage TCommonFactorGame::Judge(const std::string& AnswerCaption) const {
  const auto Answer = TTerm::ParseTerm(AnswerCaption);
  if (!IsFactorised(*Answer)) return TGameMessage::Error("Der Term ist kein Produkt!");

  std::vector<const TTerm*> Factors;
  CollectFactors(*Answer, Factors);
  const long double D = FTask.D();
  for (const TTerm* Factor : Factors) {
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
  if (!TTerm::IsEquivalent(*Answer, *Task)) return NotEquivalent(AnswerCaption, TaskCaption());
  for (const TTerm* Factor : Factors)
    if (Factor->IsA<TSum>() && SummandsShareAFactor(*Factor))
      return TGameMessage::Error("In der Klammer steckt noch ein gemeinsamer Faktor.");
  return TGameMessage::Praise();
}

// ---------------------------------------------------------------------------
// Factoring with the binomial formulas

TBinomialFactorGame::TBinomialFactorGame(TFactorSums Sums) : FSums(Sums) { NewTask(); }

void TBinomialFactorGame::SetTask(const TBinomialFactorTask& Task) {
  FTask = Task;
  SetTaskCaption(Caption(FTask));
}

std::string TBinomialFactorGame::Caption(const TBinomialFactorTask& Task) {
  const int k = Task.k;
  const std::string First = Times(k * Task.p * Task.p, std::string(1, Task.X) + "^2");
  const std::string Last = Task.Y ? Times(k * Task.q * Task.q, std::string(1, Task.Y) + "^2") : Str(k * Task.q * Task.q);
  const auto Middle = [&](int M) {
    return Times(k * M, std::string(1, Task.X) + (Task.Y ? std::string("*") + Task.Y : std::string()));
  };
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
  // A sum that is no binomial formula must not be factorisable otherwise:
  // 36x²+196y² would be 4·(9x²+49y²).
  if (!FTask.Factorable() && std::gcd(FTask.p, FTask.q) != 1) FTask.q = p + 1;
  FTask.X = TaskLetters[Random(TaskLetterCount - 3)];
  FTask.Y = TaskLetterAfter(FTask.X, 1 + Random(3));
  FTask.k = 1;
  if (FSums == TFactorSums::WithNumber && FTask.Factorable()) {
    FTask.k = 2 + Random(4);
    if (Random(2) == 1) FTask.Y = 0;
  }
  return Caption(FTask);
}

TGameMessage TBinomialFactorGame::Judge(const std::string& AnswerCaption) const {
  const bool NotFactored = AnswerCaption == "?";
  if (!FTask.Factorable()) {
    if (NotFactored) return TGameMessage::Praise();
    return TGameMessage::Info("Ist das eine binomische Formel?");
  }
  if (NotFactored) return TGameMessage::Error("Ist das nicht eine binomische Formel?");
  const auto Answer = TTerm::ParseTerm(AnswerCaption);
  if (!IsFactorised(*Answer)) return TGameMessage::Error("Der eingegebene Term ist kein Produkt!");
  const auto Task = TTerm::ParseTerm(TaskCaption());
  if (TTerm::IsEquivalent(*Answer, *Task)) return TGameMessage::Praise();
  return NotEquivalent(AnswerCaption, TaskCaption());
}
