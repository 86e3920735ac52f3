// Construction, copying, variable values, traversal and structural equality
// of term trees.
#include "terms/Terms.h"

#include <algorithm>

// ---- TTerm ----

TTerm* TTerm::FindParent(const TTerm*) { return nullptr; }
void TTerm::SetValue(char, long double) {}
void TTerm::ForEach(const TTermVisitor& Visitor, void* Data) {
  bool Stop = false;
  Visitor(*this, Data, Stop);
}
bool TTerm::HasChild(const TTerm*) const { return false; }

std::string TTerm::ToCompactString() const {
  std::string S = ToString();
  S.erase(std::remove(S.begin(), S.end(), ' '), S.end());
  return S;
}

std::string TTerm::ToBracketedString() const { return "(" + ToString() + ")"; }

bool TTerm::TermsEqual(const TTerm& A, const TTerm& B) { return A.IsEqual(B); }

// ---- leaves ----

std::unique_ptr<TTerm> TText::Copy() const {
  auto C = std::make_unique<TText>(FText);
  C->FValue = FValue;
  return C;
}

void TText::SetValue(char Name, long double Value) {
  if (FText.size() == 1 && FText[0] == Name) FValue = Value;
}

bool TText::IsEqual(const TTerm& Other) const {
  const auto* T = dynamic_cast<const TText*>(&Other);
  return T && T->FText == FText;
}

std::unique_ptr<TTerm> TConstant::Copy() const { return std::make_unique<TConstant>(FValue); }

bool TConstant::IsEqual(const TTerm& Other) const {
  const auto* C = dynamic_cast<const TConstant*>(&Other);
  return C && C->FValue == FValue;
}

std::unique_ptr<TTerm> TVariable::Copy() const {
  auto C = std::make_unique<TVariable>(FName);
  C->FValue = FValue;
  return C;
}

void TVariable::SetValue(char Name, long double Value) {
  if (Name == FName) FValue = Value;
}

bool TVariable::IsEqual(const TTerm& Other) const {
  const auto* V = dynamic_cast<const TVariable*>(&Other);
  return V && V->FName == FName;
}

// ---- negation ----

TNeg::TNeg(std::unique_ptr<TTerm> Operand) : FOperand(std::move(Operand)) {}

TTerm* TNeg::FindParent(const TTerm* Node) {
  if (HasChild(Node)) return this;
  return FOperand->FindParent(Node);
}

std::unique_ptr<TTerm> TNeg::Copy() const { return std::make_unique<TNeg>(FOperand->Copy()); }

void TNeg::SetValue(char Name, long double Value) { FOperand->SetValue(Name, Value); }

void TNeg::ForEach(const TTermVisitor& Visitor, void* Data) {
  bool Stop = false;
  Visitor(*this, Data, Stop);
  if (!Stop) FOperand->ForEach(Visitor, Data);
}

bool TNeg::HasChild(const TTerm* Node) const { return Node && FOperand.get() == Node; }

bool TNeg::IsEqual(const TTerm& Other) const {
  const auto* N = dynamic_cast<const TNeg*>(&Other);
  return N && FOperand->IsEqual(*N->FOperand);
}

// ---- dyads ----

TDyad::TDyad(std::unique_ptr<TTerm> Left, std::unique_ptr<TTerm> Right)
    : FLeft(std::move(Left)), FRight(std::move(Right)) {}

TTerm* TDyad::FindParent(const TTerm* Node) {
  if (HasChild(Node)) return this;
  if (TTerm* P = FLeft->FindParent(Node)) return P;
  return FRight->FindParent(Node);
}

void TDyad::SetValue(char Name, long double Value) {
  FLeft->SetValue(Name, Value);
  FRight->SetValue(Name, Value);
}

void TDyad::ForEach(const TTermVisitor& Visitor, void* Data) {
  bool Stop = false;
  Visitor(*this, Data, Stop);
  if (Stop) return;
  FLeft->ForEach(Visitor, Data);
  FRight->ForEach(Visitor, Data);
}

bool TDyad::HasChild(const TTerm* Node) const { return Node && (FLeft.get() == Node || FRight.get() == Node); }

bool TDyad::IsEqual(const TTerm& Other) const {
  if (typeid(Other) != typeid(*this)) return false;
  const auto& D = static_cast<const TDyad&>(Other);
  return FLeft->IsEqual(*D.FLeft) && FRight->IsEqual(*D.FRight);
}

std::unique_ptr<TTerm> TSum::Copy() const { return std::make_unique<TSum>(L().Copy(), R().Copy()); }
std::unique_ptr<TTerm> TDif::Copy() const { return std::make_unique<TDif>(L().Copy(), R().Copy()); }
std::unique_ptr<TTerm> TMul::Copy() const { return std::make_unique<TMul>(L().Copy(), R().Copy()); }
std::unique_ptr<TTerm> TDiv::Copy() const { return std::make_unique<TDiv>(L().Copy(), R().Copy()); }
std::unique_ptr<TTerm> TFrac::Copy() const { return std::make_unique<TFrac>(L().Copy(), R().Copy()); }
std::unique_ptr<TTerm> TPower::Copy() const { return std::make_unique<TPower>(L().Copy(), R().Copy()); }
std::unique_ptr<TTerm> TEquation::Copy() const { return std::make_unique<TEquation>(L().Copy(), R().Copy()); }

void TMul::CollectFactors(std::vector<std::unique_ptr<TTerm>>& List) const {
  for (const TTerm* Child : {Left(), Right()}) {
    if (const auto* M = dynamic_cast<const TMul*>(Child))
      M->CollectFactors(List);
    else
      List.push_back(Child->Copy());
  }
}
