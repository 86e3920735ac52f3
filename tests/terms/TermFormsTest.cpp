#include <gtest/gtest.h>

#include "terms/Counterexample.h"
#include "terms/TermForms.h"
#include "terms/Terms.h"

namespace {
struct TFormCase {
  const char* Term;
  bool Expected;
};

void CheckForm(bool (*Form)(const TTerm&), std::initializer_list<TFormCase> Cases) {
  for (const TFormCase& C : Cases) {
    const auto T = TTerm::ParseTerm(C.Term);
    EXPECT_EQ(Form(*T), C.Expected) << C.Term;
  }
}
}  // namespace

TEST(TermForms, MultipliedOut) {
  CheckForm(IsMultipliedOut, {
      {"a^2+2*a*b+b^2", true}, {"a^2-2ab+b^2", true}, {"x", true}, {"7", true}, {"6x", true},
      {"x^2", true}, {"-x+2", true}, {"-2,5+x", true}, {"2*(-x)", true}, {"a*b*c", true},
      {"x^2+x", true}, {"x/2+1", true}, {"-x^2-2x", true}, {"a-(-b)", true}, {"a+(b+c)", true},
      {"x^2+2x+1", true}, {"9-y^2", true}, {"a*c-a*d-b*c+b*d", true}, {"x^2+2x*1,5", true},
      {"(a+b)^3+0", false}, {"1*a^2+2*a*b+b^2", false}, {"(a+b)*(a+b)+0", false},
      {"(a+b)^2", false}, {"2*(x+1)", false}, {"(x+1)*2", false}, {"x^2-(2x+15)", false},
      {"-(a+b)", false}, {"a^2+0", false}, {"0+a", false}, {"a+0*b", false}, {"a*1", false},
      {"x/1", false}, {"(a-b)^2", false}, {"x*(x+1)", false}, {"(x+1)/2", false},
      {"3*(a-b)+1", false}, {"a=b", false}, {"?", false}, {"-(x+1)*2", false}, {"x*(-(a+b))", false},
  });
}

TEST(TermForms, Factorised) {
  CheckForm(IsFactorised, {
      {"5*(x+y)", true}, {"(a+b)^2", true}, {"(a+b)*(a-b)", true}, {"-(x+3)*(x-3)", true},
      {"2*(x+3)^2", true}, {"2*(x+3)*(x+3)", true}, {"4*(9x^2+49y^2)", true}, {"(x+y)*5", true},
      {"3a*(a-2b)", true}, {"x*y", true}, {"(a-b)^3", true}, {"(2*(x+1))^2", true},
      {"(x+y)/2", true}, {"a*(b+c)*d", true}, {"-(a+b)^2", true}, {"(-3)*(x+1)", true},
      {"1*(x+y)", false}, {"(x+y)*1", false}, {"x+y", false}, {"x^2+2x+1", false}, {"x", false},
      {"7", false}, {"x^2", false}, {"1*(a+b)^2", false}, {"(x+y)/1", false}, {"-(x+y)", false},
      {"a*b+c", false}, {"(a+b)*(a-b)+0", false}, {"?", false}, {"x=y", false}, {"(a+b)^2*1", false},
      // Dressed up as a product: an empty power, a factor that cancels.
      {"(x+y)^1", false}, {"(x+y)*x^0", false}, {"2*(x+3)^1", false}, {"2*(x+y)/2", false},
      {"(x+y)*2/2", false}, {"0,5*(x+y)*2", false}, {"x*(x+y)/x", false}, {"(x+y)^0", false},
      {"4*(x+y)/2", true}, {"3*(x+y)/2", true}, {"1/2*(x+y)", true}, {"(x+y)^n", true},
  });
}

TEST(TermForms, Collected) {
  CheckForm(IsCollected, {
      {"8x", true}, {"3a+2b", true}, {"x^3", true}, {"6a^2", true}, {"4y+3", true},
      {"x^2-2x-15", true}, {"a*c-a*d-b*c+b*d", true}, {"2x^2+7x-4", true}, {"9-y^2", true},
      {"a^2+2ab+b^2", true}, {"-x+2", true}, {"x*y+y*z", true}, {"2*a*b", true}, {"6-x", true},
      {"3x+5x", false}, {"x*x*x", false}, {"2*a*3*a", false}, {"4y+1+2", false}, {"x^2*x", false},
      {"ab+ba", false}, {"a^2+ab+ba+b^2", false}, {"2*3", false}, {"x+x", false}, {"(a+b)^2", false},
      {"x^2+0", false}, {"1*x", false}, {"5y-2y+y+3", false}, {"a-b+2b", false}, {"(ab)^2", false},
      {"x*2x", false}, {"2^3*x", false}, {"3^2", false},
  });
}

TEST(TermForms, WithoutBrackets) {
  CheckForm(IsWithoutBrackets, {
      {"a-b-c", true}, {"a+b-c", true}, {"-x+6", true}, {"6-x", true}, {"10-x-4", true}, {"2*a^2", true},
      {"x^2+3x", true}, {"a+(b-c)", true},  // the box shows it as a + b - c
      {"a-(b+c)", false}, {"a-(b-c)", false}, {"-(x-6)", false}, {"2*(x+1)", false}, {"(2*a)^2", false},
      {"2*(-x)", false}, {"a+(-b)", false}, {"(a+b)^2", false}, {"?", false},
  });
}

TEST(TermForms, SummandsShareAFactor) {
  CheckForm(SummandsShareAFactor, {
      {"5*u*w+2*v*w", true}, {"45*u+18*v", true}, {"-6*x-4", true}, {"x^2+x", true}, {"3a-9b+6", true},
      {"2*a+3*b", false}, {"2*a/c+3*b/c", false}, {"5*u*w", false}, {"x+1", false}, {"0,5x+3", false}, {"0,5x+x", true},
  });
}

TEST(Counterexample, FirstTryWhereBothAreDefinedAndDiffer) {
  struct TCase {
    const char* Pupil;
    const char* Expected;
    const char* Tip;
  };
  const TCase Cases[] = {
      {"x+2", "x+1", "Für x = 1 ergibt dein Term 3, richtig wäre 2."},
      // x^2 and 2x agree at x = 2 only: the first try already differs.
      {"x^2", "2x", "Für x = 1 ergibt dein Term 1, richtig wäre 2."},
      // Both agree at x = 1 (1 and 1): the next try is x = 2.
      {"x^2", "x", "Für x = 2 ergibt dein Term 4, richtig wäre 2."},
      // Undefined at x = 1, so x = 2.
      {"1/(x-1)", "x", "Für x = 2 ergibt dein Term 1, richtig wäre 2."},
      {"a+b", "a*b", "Für a = 1 und b = 2 ergibt dein Term 3, richtig wäre 2."},
      {"x/3", "x", "Für x = 1 ergibt dein Term 0,3333, richtig wäre 1."},
      {"5", "6", "Dein Term ergibt 5, richtig wäre 6."},
      {"-x", "x", "Für x = 1 ergibt dein Term −1, richtig wäre 1."},
  };
  for (const TCase& C : Cases) EXPECT_EQ(TipLine(C.Pupil, C.Expected), C.Tip) << C.Pupil;
  // Three letters: 1, 2, 3 agree for a+b+c and a*b*c; 2, 3, 4 do not.
  EXPECT_EQ(TipLine("a+b+c", "a*b*c"), "Für a = 2, b = 3 und c = 4 ergibt dein Term 9, richtig wäre 24.");
  // Equivalent terms, terms that are no terms, and terms that never differ
  // in ten tries give no line.
  EXPECT_EQ(TipLine("1+x", "x+1"), "");
  EXPECT_EQ(TipLine("?", "x+1"), "");
  EXPECT_EQ(TipLine("x+1", "?"), "");
  EXPECT_EQ(TipLine("(x-1)*(x-2)*(x-3)*(x-4)*(x-5)*(x-6)*(x-7)*(x-8)*(x-9)*(x-10)+x", "x"), "");
}

TEST(Counterexample, PairTipNamesTheLeftAndTheRightTerm) {
  EXPECT_EQ(PairTipLine("(a+b)^2", "a^2+b^2"), "Für a = 1 und b = 2 hat der linke Term den Wert 9, der rechte den Wert 5.");
  EXPECT_EQ(PairTipLine("7", "2*3"), "Der linke Term hat den Wert 7, der rechte den Wert 6.");
  EXPECT_EQ(PairTipLine("x*x", "x^2"), "");
  EXPECT_EQ(PairTipLine("?", "x"), "");
}
