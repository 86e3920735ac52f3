// Text forms of term trees and the bracket rules they share with the drawing.
#include "common/NumberFormat.h"
#include "terms/Terms.h"

namespace {
std::string Child(const TTerm& T, bool Bracketed) { return Bracketed ? T.ToBracketedString() : T.ToString(); }

bool IsSumOrDif(const TTerm& T) { return T.IsExactly<TSum>() || T.IsExactly<TDif>(); }

// A child with an operator of its own: a dyad or a negation.
bool HasOperator(const TTerm& T) { return T.IsA<TDyad>() || T.IsA<TNeg>(); }

// The text starts with a minus sign: a negated term, a negative number, or
// a term whose first part stands without brackets and does ("-a - b",
// "-x^2 * 3"). After a "+" or "-" such a term needs brackets.
bool StartsWithMinus(const TTerm& T) {
  if (T.IsA<TNeg>()) return true;
  const auto* D = dynamic_cast<const TDyad*>(&T);
  if (!D) return (T.IsA<TConstant>() || T.IsA<TText>()) && T.ToString().starts_with('-');
  const TTerm& Left = *D->Left();
  if (T.IsA<TSum>() || T.IsA<TEquation>()) return StartsWithMinus(Left);
  if (T.IsExactly<TMul>()) return !D->NeedsBrackets(0) && StartsWithMinus(Left);
  // Quotients and powers bracket every part with an operator.
  return !HasOperator(Left) && StartsWithMinus(Left);
}
}  // namespace

std::string TText::ToString() const { return FText; }
std::string TConstant::ToString() const { return FloatToStr(FValue); }
std::string TVariable::ToString() const { return std::string(1, FName); }

std::string TNeg::ToString() const { return "-" + Child(*FOperand, NeedsBrackets()); }

bool TNeg::NeedsBrackets() const {
  return FOperand->IsA<TSum>() || FOperand->IsA<TEquation>() || FOperand->IsA<TNeg>();
}

std::string TDyad::JoinText(const char* Symbol) const {
  return Child(L(), NeedsBrackets(0)) + Symbol + Child(R(), NeedsBrackets(1));
}

std::string TSum::ToString() const { return JoinText(" + "); }
std::string TDif::ToString() const { return JoinText(" - "); }
namespace {
// A text with a "/" outside brackets: a quotient, or a product that starts
// with one ("a / b * c").
bool PrintsAQuotient(const TTerm& T) {
  if (T.IsA<TDiv>()) return true;
  return T.IsExactly<TMul>() && PrintsAQuotient(*static_cast<const TDyad&>(T).Left());
}
}  // namespace

// A quotient on the right of a product is drawn as a fraction and needs no
// brackets there; typed back as "a * b / c" it would read as (a * b) / c,
// so the text keeps it together.
std::string TMul::ToString() const {
  return Child(L(), NeedsBrackets(0)) + " * " + Child(R(), NeedsBrackets(1) || PrintsAQuotient(R()));
}

// Typed with ":" or "/", a quotient always reads back as a fraction; any
// child with an operator of its own is kept together by brackets.
std::string TDiv::ToString() const {
  return Child(L(), HasOperator(L())) + " / " + Child(R(), HasOperator(R()));
}

// Base and exponent are bracketed when they hold a sum or a product, and
// also when they are powers themselves, so that (a^2)^3 and a^(2^3) read
// back as they were built ("a^2^3" would be read as a^2).
std::string TPower::ToString() const {
  const auto Grouped = [](const TTerm& T) {
    return T.IsA<TSum>() || T.IsA<TMul>() || T.IsA<TPower>() || T.IsA<TNeg>();
  };
  return Child(L(), Grouped(L())) + "^" + Child(R(), Grouped(R()));
}

std::string TEquation::ToString() const { return L().ToString() + " = " + R().ToString(); }

bool TSum::NeedsBrackets(int Index) const {
  if (Index != 1) return false;
  if (R().IsA<TDyad>() || R().IsA<TNeg>()) return StartsWithMinus(R());
  return (R().IsA<TConstant>() || R().IsA<TText>()) && R().Evaluate() < 0;
}

bool TDif::NeedsBrackets(int Index) const { return Index == 1 && (R().IsA<TSum>() || StartsWithMinus(R())); }

bool TMul::NeedsBrackets(int Index) const {
  const TTerm& C = Index == 0 ? L() : R();
  return IsSumOrDif(C) || C.IsA<TNeg>();
}

bool TDiv::NeedsBrackets(int Index) const {
  const TTerm& C = Index == 0 ? L() : R();
  return C.IsA<TSum>() || C.IsA<TDiv>() || C.IsA<TNeg>();
}

bool TFrac::NeedsBrackets(int) const { return false; }

bool TPower::NeedsBrackets(int Index) const {
  if (Index != 0) return false;
  const TTerm& B = L();
  return IsSumOrDif(B) || B.IsExactly<TMul>() || B.IsExactly<TDiv>() || B.IsExactly<TFrac>() ||
         B.IsExactly<TPower>() || B.IsA<TNeg>();
}

bool TEquation::NeedsBrackets(int) const { return false; }
