// Form tests of answers: multiplied out, collected, factorised, written without brackets.
#include "terms/TermForms.h"

#include <algorithm>
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
// has (a letter twice, a power of a product or of a number).
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
      // A power of a number (2^3) is a number still to be worked out.
      if (Base.IsExactly<TVariable>())
        AddLetter(static_cast<const TVariable&>(Base).Name(), AsDyad(T).Right()->ToCompactString());
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
// The factors of a product and its divisors, quotients opened up; a sign in
// front of a factor does not count, nor the 1 over a fraction bar (1/2*(x+y)).
void CollectFactors(const TTerm& T, std::vector<const TTerm*>& Factors, std::vector<const TTerm*>& Divisors) {
  if (const auto* Neg = dynamic_cast<const TNeg*>(&T)) return CollectFactors(*Neg->Operand(), Factors, Divisors);
  if (T.IsA<TDiv>()) {
    if (!IsNumber(*AsDyad(T).Left(), 1)) CollectFactors(*AsDyad(T).Left(), Factors, Divisors);
    CollectFactors(*AsDyad(T).Right(), Divisors, Factors);
    return;
  }
  if (T.IsA<TMul>()) {
    CollectFactors(*AsDyad(T).Left(), Factors, Divisors);
    CollectFactors(*AsDyad(T).Right(), Factors, Divisors);
    return;
  }
  Factors.push_back(&T);
}

// A power whose exponent makes it 1 or leaves it as it is.
bool IsEmptyPower(const TTerm& T) {
  return T.IsA<TPower>() && (IsNumber(*AsDyad(T).Right(), 0) || IsNumber(*AsDyad(T).Right(), 1));
}

// A factor that only dresses the product up: 1, x^0, (...)^1.
bool IsEmptyFactor(const TTerm& F) { return IsNumber(F, 1) || F.IsA<TText>() || IsEmptyPower(F); }

}  // namespace

bool IsFactorised(const TTerm& Term) {
  const TTerm* T = &Term;
  while (const auto* Neg = dynamic_cast<const TNeg*>(T)) T = Neg->Operand();
  if (T->IsA<TPower>()) {
    if (IsEmptyPower(*T)) return false;
    const TTerm& Base = *AsDyad(*T).Left();
    return Base.IsA<TSum>() || IsFactorised(Base);
  }
  if (!T->IsA<TMul>()) return false;
  std::vector<const TTerm*> Factors, Divisors;
  CollectFactors(*T, Factors, Divisors);
  // What is left once the numbers are worked out and a term above the bar
  // cancels against the same term below it: 2*(x+y)/2 is only x+y.
  long double Number = 1;
  std::vector<const TTerm*> Above, Below;
  for (const TTerm* F : Factors) {
    if (IsEmptyFactor(*F)) return false;
    if (F->IsExactly<TConstant>())
      Number *= static_cast<const TConstant&>(*F).Value();
    else
      Above.push_back(F);
  }
  for (const TTerm* D : Divisors) {
    if (IsEmptyFactor(*D)) return false;
    if (!D->IsExactly<TConstant>())
      Below.push_back(D);
    else if (const long double Value = static_cast<const TConstant&>(*D).Value(); Value != 0)
      Number /= Value;
  }
  for (auto D = Below.begin(); D != Below.end();) {
    const auto Same = std::find_if(Above.begin(), Above.end(), [&](const TTerm* F) { return TTerm::TermsEqual(*F, **D); });
    if (Same == Above.end()) {
      ++D;
      continue;
    }
    Above.erase(Same);
    D = Below.erase(D);
  }
  return Above.size() + Below.size() + (Number != 1 ? 1 : 0) >= 2;
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
