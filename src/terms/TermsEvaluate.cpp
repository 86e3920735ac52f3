// Values of term trees.
#include <cmath>

#include "common/NumberFormat.h"
#include "terms/Terms.h"

namespace {
long double Divide(long double A, long double B) {
  if (B == 0) throw EMathError("Division durch Null");
  return A / B;
}

// b * b * ... * b with N factors, multiplied one after the other so that
// small powers give exactly the rounding of the written product. Large
// exponents are computed by powl in a few steps instead of N.
long double IntegralPower(long double B, long double N) {
  if (N == 1) return B;
  if (N == 2) return B * B;
  if (N == 3) return B * B * B;
  if (N == 4) return (B * B) * (B * B);
  if (N > 1024) return std::pow(B, N);
  long double P = B;
  for (long double I = 1; I < N; ++I) P *= B;
  return P;
}
}  // namespace

long double TText::Evaluate() const {
  long double V = 0;
  if (TryStrToFloat(FText, V)) return V;
  return FText.size() == 1 ? FValue : 0;
}

long double TConstant::Evaluate() const { return FValue; }

long double TNeg::Evaluate() const { return -Operand()->Evaluate(); }

long double TSum::Evaluate() const { return L().Evaluate() + R().Evaluate(); }
long double TDif::Evaluate() const { return L().Evaluate() - R().Evaluate(); }
long double TMul::Evaluate() const { return L().Evaluate() * R().Evaluate(); }
long double TDiv::Evaluate() const {
  const long double A = L().Evaluate();
  return Divide(A, R().Evaluate());
}

long double TEquation::Evaluate() const {
  const long double A = L().Evaluate();
  return A == R().Evaluate() ? 1 : 0;
}

long double TPower::Evaluate() const {
  const long double E = R().Evaluate();
  const long double B = L().Evaluate();
  if (E == std::trunc(E)) {
    if (E == 0) return 1;
    if (E > 0) return IntegralPower(B, E);
    return Divide(1, IntegralPower(B, -E));
  }
  if (B < 0) return 0;
  if (B == 0) throw EMathError("Null hoch einem nicht ganzzahligen Exponenten ist nicht definiert");
  return std::exp(E * std::log(B));
}
