#include <gtest/gtest.h>

#include "TermShape.h"

namespace {
std::unique_ptr<TTerm> P(const char* Text) { return TTerm::ParseTerm(Text); }
std::unique_ptr<TTerm> Var(char Name) { return std::make_unique<TVariable>(Name); }
std::unique_ptr<TTerm> Num(long double Value) { return std::make_unique<TConstant>(Value); }
}  // namespace

TEST(TermText, BracketsOnlyWhereTheOperatorsNeedThem) {
  struct {
    const char* Input;
    const char* Text;
    const char* Compact;
  } Cases[] = {
      {"a-(b+c)", "a - (b + c)", "a-(b+c)"},
      {"a-(b-c)", "a - (b - c)", "a-(b-c)"},
      {"a+(b-c)", "a + b - c", "a+b-c"},
      {"a+(b+c)", "a + b + c", "a+b+c"},
      {"(a+b)*c", "(a + b) * c", "(a+b)*c"},
      {"a*(b-c)", "a * (b - c)", "a*(b-c)"},
      {"a*b*c", "a * b * c", "a*b*c"},
      {"a*(b*c)", "a * b * c", "a*b*c"},
      {"(a+b)^2", "(a + b)^2", "(a+b)^2"},
      {"a^(n+1)", "a^(n + 1)", "a^(n+1)"},
      {"(a*b)^2", "(a * b)^2", "(a*b)^2"},
      {"2^(a*b)", "2^(a * b)", "2^(a*b)"},
      {"(x/10)^2", "(x / 10)^2", "(x/10)^2"},
      {"(a^2)^3", "(a^2)^3", "(a^2)^3"},
      {"a^(2^3)", "a^(2^3)", "a^(2^3)"},
      {"a:(b:c)", "a / (b / c)", "a/(b/c)"},
      {"(a+b)/2", "(a + b) / 2", "(a+b)/2"},
      {"(2*a)/b", "(2 * a) / b", "(2*a)/b"},
      {"2*a/b", "(2 * a) / b", "(2*a)/b"},
      {"a/b^2", "a / (b^2)", "a/(b^2)"},
      {"x/10*3", "x / 10 * 3", "x/10*3"},
      {"a:b*c", "a / b * c", "a/b*c"},
      {"a*(b/c)", "a * (b / c)", "a*(b/c)"},
      {"a*(b/c*d)", "a * (b / c * d)", "a*(b/c*d)"},
      {"a=b+c", "a = b + c", "a=b+c"},
      {"0,5*x", "0,5 * x", "0,5*x"},
      {"3*a^2+24*a*b", "3 * a^2 + 24 * a * b", "3*a^2+24*a*b"},
      {"?", "?", "?"},
  };
  for (const auto& C : Cases) {
    const auto T = P(C.Input);
    EXPECT_EQ(T->ToString(), C.Text) << C.Input;
    EXPECT_EQ(T->ToCompactString(), C.Compact) << C.Input;
    EXPECT_EQ(T->ToBracketedString(), "(" + std::string(C.Text) + ")");
  }
}

TEST(TermText, PrintedTermsReadBackToTheSameTree) {
  for (const char* Input : {"a-(b+c)", "(a+b)*(c-d)", "(a^2)^3", "a^(b^c)", "(x/10)^2", "2*a/b", "a/(b/c)",
                            "((a+b)/(c-d))^(n+1)", "0,000001*x", "123456789012345*y", "1,5E-7+a", "a=b-c"}) {
    const auto T = P(Input);
    const auto Again = P(T->ToString().c_str());
    EXPECT_TRUE(TTerm::TermsEqual(*T, *Again)) << Input << " printed as " << T->ToString();
  }
}

TEST(TermText, NegativeLeafOnTheRightOfASumIsBracketed) {
  EXPECT_EQ(TSum(Var('a'), Num(3)).ToString(), "a + 3");
  EXPECT_EQ(TSum(Var('a'), Num(0)).ToString(), "a + 0");
  EXPECT_EQ(TSum(Var('a'), Num(-3)).ToString(), "a + (-3)");
  EXPECT_EQ(TSum(Num(-3), Var('a')).ToString(), "-3 + a");
  TSum WithVariable(Var('a'), Var('b'));
  WithVariable.SetValue('b', -1);
  EXPECT_EQ(WithVariable.ToString(), "a + (b)");
}

TEST(TermText, NeedsBracketsPerOperator) {
  struct {
    const char* Input;
    bool Left, Right;
  } Cases[] = {
      {"(a+b)+(c+d)", false, false}, {"a+(b-c)", false, false}, {"(a+b)-(c+d)", false, true},
      {"(a-b)-(c-d)", false, true},  {"(a+b)*(c-d)", true, true}, {"(a*b)*(c/d)", false, false},
      {"(a+b):(c:d)", true, true},   {"(a/b):(c*d)", true, false}, {"(a+b)/(c-d)", false, false},
      {"(a+b)^(c+d)", true, false},  {"(a*b)^c", true, false},     {"(a:b)^c", true, false},
      {"(a/b)^c", true, false},      {"(a^b)^c", true, false},     {"a^b", false, false},
      {"a+b=c+d", false, false},
  };
  for (const auto& C : Cases) {
    const auto T = P(C.Input);
    const auto* D = dynamic_cast<const TDyad*>(T.get());
    ASSERT_NE(D, nullptr) << C.Input;
    EXPECT_EQ(D->NeedsBrackets(0), C.Left) << C.Input;
    EXPECT_EQ(D->NeedsBrackets(1), C.Right) << C.Input;
  }
}

TEST(TermText, ConstantsInTheGeneralNumberForm) {
  struct {
    long double Value;
    const char* Text;
  } Cases[] = {{0.5L, "0,5"},   {12, "12"},         {1e20L, "1E20"},  {1.5e-7L, "1,5E-7"},
               {2.0L / 3, "0,666666666666667"}, {1e15L, "1E15"}, {0.0001L, "0,0001"}, {-2.25L, "-2,25"}};
  for (const auto& C : Cases) EXPECT_EQ(TConstant(C.Value).ToString(), C.Text);
  EXPECT_EQ(TVariable('Q').ToString(), "Q");
  EXPECT_EQ(TText("abc").ToString(), "abc");
}
