#include <gtest/gtest.h>

#include "terms/SpokenTerm.h"
#include "terms/Terms.h"

namespace {
std::unique_ptr<TTerm> Num(long double Value) { return std::make_unique<TConstant>(Value); }
std::unique_ptr<TTerm> Var(char Name) { return std::make_unique<TVariable>(Name); }
}  // namespace

TEST(SpokenTerm, ReadsTypedTermsAsATeacherWould) {
  struct {
    const char* Typed;
    const char* Spoken;
  } Cases[] = {
      {"(a+b)^2", "Klammer auf a plus b Klammer zu hoch 2"},
      {"x/2", "x durch 2"},
      {"2*a*b", "2 mal a mal b"},
      {"a-b", "a minus b"},
      {"?", "leer"},
      {"", "leer"},
      {"2x+", "leer"},
      {"3a", "3 mal a"},
      {"0,5*x", "0,5 mal x"},
      {"a^2+2ab+b^2", "a hoch 2 plus 2 mal a mal b plus b hoch 2"},
      {"(a-b)(a+b)", "Klammer auf a minus b Klammer zu mal Klammer auf a plus b Klammer zu"},
      {"a-(b+c)", "a minus Klammer auf b plus c Klammer zu"},
      {"a-(b-c)", "a minus Klammer auf b minus c Klammer zu"},
      {"a+(b-c)", "a plus b minus c"},
      {"a^(n+1)", "a hoch Klammer auf n plus 1 Klammer zu"},
      {"(a^2)^3", "Klammer auf a hoch 2 Klammer zu hoch 3"},
      {"a^(2^3)", "a hoch Klammer auf 2 hoch 3 Klammer zu"},
      {"(2a)^2", "Klammer auf 2 mal a Klammer zu hoch 2"},
      {"(a+b)/2", "Klammer auf a plus b Klammer zu durch 2"},
      {"2*a/b", "2 mal a durch b"},
      {"a/(2b)", "a durch Klammer auf 2 mal b Klammer zu"},
      {"a/b^2", "a durch b hoch 2"},
      {"x/10*3", "x durch 10 mal 3"},
      {"a/(b/c)", "a durch Klammer auf b durch c Klammer zu"},
      {"a:b", "a geteilt durch b"},
      {"(x/10)^2", "Klammer auf x durch 10 Klammer zu hoch 2"},
      {"a=b+c", "a gleich b plus c"},
      {"x²", "x hoch 2"},
      {"1,5E-7+a", "1,5 mal 10 hoch minus 7 plus a"},
      {"-x", "minus x"},
      {"-x+2", "minus x plus 2"},
      {"(-3)*a", "Klammer auf minus 3 Klammer zu mal a"},
      {"2*(-x)", "2 mal Klammer auf minus x Klammer zu"},
      {"a-(-b)", "a minus Klammer auf minus b Klammer zu"},
      {"-x^2", "minus x hoch 2"},
      {"(-x)^2", "Klammer auf minus x Klammer zu hoch 2"},
      {"-(a+b)", "minus Klammer auf a plus b Klammer zu"},
      {"-2x", "minus 2 mal x"},
  };
  for (const auto& C : Cases) EXPECT_EQ(SpokenTerm(*TTerm::ParseTerm(C.Typed)), C.Spoken) << C.Typed;
}

TEST(SpokenTerm, NegativeNumbersAreGroupedWhereTheyFollowAnOperator) {
  struct {
    std::unique_ptr<TTerm> Term;
    const char* Spoken;
  } Cases[] = {
      {Num(-3), "minus 3"},
      {std::make_unique<TSum>(Var('a'), Num(-3)), "a plus Klammer auf minus 3 Klammer zu"},
      {std::make_unique<TDif>(Var('a'), Num(-3)), "a minus Klammer auf minus 3 Klammer zu"},
      {std::make_unique<TMul>(Num(-3), Var('a')), "Klammer auf minus 3 Klammer zu mal a"},
      {std::make_unique<TPower>(Num(-2), Num(2)), "Klammer auf minus 2 Klammer zu hoch 2"},
      {std::make_unique<TPower>(Var('a'), Num(-1)), "a hoch Klammer auf minus 1 Klammer zu"},
      {std::make_unique<TSum>(Num(-2.5L), Var('b')), "minus 2,5 plus b"},
  };
  for (const auto& C : Cases) EXPECT_EQ(SpokenTerm(*C.Term), C.Spoken) << C.Term->ToString();
}
