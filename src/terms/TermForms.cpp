// Form tests of answers: multiplied out, collected, factorised, written without brackets.
#include "terms/TermForms.h"

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "terms/Terms.h"

namespace {

bool IsNumber(const TTerm& T, long double Value) {
  return T.IsExactly<TConstant>() && static_cast<const TConstant&>(T).Value() == Value;
}

const TDyad& AsDyad(const TTerm& T) { return static_cast<const TDyad&>(T); }

// The summands of a sum, with their signs dropped: the summands of
// "a - b + (c + d)" are a, b, c, d. False when a bracketed sum follows a
// minus ("a - (b + c)", "-(a + b)"): that bracket is still to be resolved.
bool CollectSummands(const TTerm& T, std::vector<const TTerm*>& Summands) {
  if (T.IsExactly<TSum>()) return CollectSummands(*AsDyad(T).Left(), Summands) && CollectSummands(*AsDyad(T).Right(), Summands);
  if (T.IsExactly<TDif>()) {
    if (AsDyad(T).Right()->IsA<TSum>()) return false;
    return CollectSummands(*AsDyad(T).Left(), Summands) && CollectSummands(*AsDyad(T).Right(), Summands);
  }
  if (const auto* Neg = dynamic_cast<const TNeg*>(&T)) {
    if (Neg->Operand()->IsA<TSum>()) return false;
    return CollectSummands(*Neg->Operand(), Summands);
  }
  Summands.push_back(&T);
  return true;
}

// A product, quotient or power whose factors and bases hold no sum, with no
// factor 1 and no divisor 1.
bool IsPlainProduct(const TTerm& T) {
  if (T.IsA<TSum>() || T.IsA<TEquation>() || T.IsA<TText>()) return false;
  if (const auto* Neg = dynamic_cast<const TNeg*>(&T)) return IsPlainProduct(*Neg->Operand());
  if (T.IsA<TDiv>()) return !IsNumber(*AsDyad(T).Right(), 1) && IsPlainProduct(*AsDyad(T).Left()) && IsPlainProduct(*AsDyad(T).Right());
  if (T.IsA<TMul>()) {
    const TDyad& D = AsDyad(T);
    return !IsNumber(*D.Left(), 1) && !IsNumber(*D.Right(), 1) && IsPlainProduct(*D.Left()) && IsPlainProduct(*D.Right());
  }
  if (T.IsA<TPower>()) return IsPlainProduct(*AsDyad(T).Left());
  return true;
}

// A summand that is zero by its form: the number 0, or a product with the
// factor 0 or a quotient with the numerator 0.
bool IsZeroByForm(const TTerm& T) {
  if (IsNumber(T, 0)) return true;
  if (const auto* Neg = dynamic_cast<const TNeg*>(&T)) return IsZeroByForm(*Neg->Operand());
  if (T.IsA<TDiv>()) return IsZeroByForm(*AsDyad(T).Left());
  if (T.IsA<TMul>()) return IsZeroByForm(*AsDyad(T).Left()) || IsZeroByForm(*AsDyad(T).Right());
  return false;
}

// The letters of a plain product with their exponents, and how many
// numbers it holds; Valid is false for a form no summand of a collected sum
// has (a letter twice, a power of a product).
struct TMonomial {
  int Numbers = 0;
  std::map<char, std::string> Letters;
  bool Valid = true;

  void AddLetter(char Name, std::string Exponent) {
    if (!Letters.emplace(Name, std::move(Exponent)).second) Valid = false;
  }

  void Walk(const TTerm& T) {
    if (const auto* Neg = dynamic_cast<const TNeg*>(&T)) return Walk(*Neg->Operand());
    if (T.IsExactly<TConstant>()) {
      ++Numbers;
    } else if (T.IsExactly<TVariable>()) {
      AddLetter(static_cast<const TVariable&>(T).Name(), "1");
    } else if (T.IsA<TMul>()) {  // products and quotients
      Walk(*AsDyad(T).Left());
      Walk(*AsDyad(T).Right());
    } else if (T.IsA<TPower>()) {
      const TTerm& Base = *AsDyad(T).Left();
      if (Base.IsExactly<TVariable>())
        AddLetter(static_cast<const TVariable&>(Base).Name(), AsDyad(T).Right()->ToCompactString());
      else if (Base.IsExactly<TConstant>())
        ++Numbers;
      else
        Valid = false;
    } else {
      Valid = false;
    }
  }

  // The kind of summand: its letters with their exponents, in letter order.
  std::string Kind() const {
    std::string K;
    for (const auto& [Name, Exponent] : Letters) K += std::string(1, Name) + "^" + Exponent + " ";
    return K;
  }
};

}  // namespace

bool IsMultipliedOut(const TTerm& Term) {
  std::vector<const TTerm*> Summands;
  if (!CollectSummands(Term, Summands)) return false;
  for (const TTerm* S : Summands)
    if (!IsPlainProduct(*S) || IsZeroByForm(*S)) return false;
  return true;
}

bool IsCollected(const TTerm& Term) {
  if (!IsMultipliedOut(Term)) return false;
  std::vector<const TTerm*> Summands;
  CollectSummands(Term, Summands);
  std::set<std::string> Kinds;
  for (const TTerm* S : Summands) {
    TMonomial M;
    M.Walk(*S);
    if (!M.Valid || M.Numbers > 1 || !Kinds.insert(M.Kind()).second) return false;
  }
  return true;
}

namespace {
// The factors of a product, quotients opened up; a sign in front of a
// factor does not count.
void CollectFactors(const TTerm& T, std::vector<const TTerm*>& Factors) {
  if (const auto* Neg = dynamic_cast<const TNeg*>(&T)) return CollectFactors(*Neg->Operand(), Factors);
  if (T.IsA<TMul>()) {
    CollectFactors(*AsDyad(T).Left(), Factors);
    CollectFactors(*AsDyad(T).Right(), Factors);
    return;
  }
  Factors.push_back(&T);
}
}  // namespace

bool IsFactorised(const TTerm& Term) {
  const TTerm* T = &Term;
  while (const auto* Neg = dynamic_cast<const TNeg*>(T)) T = Neg->Operand();
  if (T->IsA<TPower>()) {
    const TTerm& Base = *AsDyad(*T).Left();
    return Base.IsA<TSum>() || IsFactorised(Base);
  }
  if (!T->IsA<TMul>()) return false;
  std::vector<const TTerm*> Factors;
  CollectFactors(*T, Factors);
  if (Factors.size() < 2) return false;
  for (const TTerm* F : Factors)
    if (IsNumber(*F, 1) || F->IsA<TText>()) return false;
  return true;
}

namespace {
// The number factor and the letters of a summand's numerator: 45*u*w
// gives 45 and {u, w}.
void NumeratorFactors(const TTerm& T, long double& Number, std::set<char>& Letters) {
  if (const auto* Neg = dynamic_cast<const TNeg*>(&T)) return NumeratorFactors(*Neg->Operand(), Number, Letters);
  if (T.IsExactly<TConstant>()) {
    Number *= static_cast<const TConstant&>(T).Value();
  } else if (T.IsExactly<TVariable>()) {
    Letters.insert(static_cast<const TVariable&>(T).Name());
  } else if (T.IsA<TDiv>()) {
    NumeratorFactors(*AsDyad(T).Left(), Number, Letters);
  } else if (T.IsA<TMul>()) {
    NumeratorFactors(*AsDyad(T).Left(), Number, Letters);
    NumeratorFactors(*AsDyad(T).Right(), Number, Letters);
  } else if (T.IsA<TPower>() && AsDyad(T).Left()->IsExactly<TVariable>()) {
    Letters.insert(static_cast<const TVariable&>(*AsDyad(T).Left()).Name());
  }
}

long long WholeGcd(long long A, long long B) {
  A = A < 0 ? -A : A;
  B = B < 0 ? -B : B;
  while (B != 0) A = std::exchange(B, A % B);
  return A;
}
}  // namespace

bool SummandsShareAFactor(const TTerm& Term) {
  std::vector<const TTerm*> Summands;
  CollectSummands(Term, Summands);
  if (Summands.size() < 2) return false;
  long long Gcd = 0;
  std::set<char> Common;
  for (std::size_t I = 0; I < Summands.size(); ++I) {
    long double Number = 1;
    std::set<char> Letters;
    NumeratorFactors(*Summands[I], Number, Letters);
    // A number that is not whole (or beyond what a pupil takes out) leaves
    // no common number: the divisor is 1 from then on.
    const bool Whole = Number == std::trunc(Number) && std::fabs(Number) < 1e15L;
    Gcd = Whole ? WholeGcd(Gcd, static_cast<long long>(Number)) : 1;
    if (I == 0) {
      Common = Letters;
    } else {
      std::set<char> Both;
      for (char C : Letters)
        if (Common.count(C)) Both.insert(C);
      Common = Both;
    }
  }
  return Gcd > 1 || !Common.empty();
}

bool IsWithoutBrackets(const TTerm& Term) {
  if (Term.IsA<TText>()) return false;
  if (const auto* Neg = dynamic_cast<const TNeg*>(&Term)) return !Neg->NeedsBrackets() && IsWithoutBrackets(*Neg->Operand());
  if (Term.IsA<TDyad>()) {
    const TDyad& D = AsDyad(Term);
    return !D.NeedsBrackets(0) && !D.NeedsBrackets(1) && IsWithoutBrackets(*D.Left()) && IsWithoutBrackets(*D.Right());
  }
  return true;
}
