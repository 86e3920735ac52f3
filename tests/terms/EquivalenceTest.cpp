#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "terms/SamplePoints.h"
#include "terms/Terms.h"

namespace {
bool Equivalent(const char* A, const char* B) {
  auto TA = TTerm::ParseTerm(A);
  auto TB = TTerm::ParseTerm(B);
  return TTerm::IsEquivalent(*TA, *TB);
}
}  // namespace

TEST(IsEquivalent, TrueIdentitiesOfTheCourse) {
  const std::pair<const char*, const char*> Cases[] = {
      {"(a+b)^2", "a^2+2*a*b+b^2"},
      {"(a-b)^2", "a^2-2*a*b+b^2"},
      {"(a+b)*(a-b)", "a^2-b^2"},
      {"(3*a+4*b)^2", "9*a^2+24*a*b+16*b^2"},
      {"(3*a-4*b)^2", "9*a^2-24*a*b+16*b^2"},
      {"(13*x+14*y)*(13*x-14*y)", "169*x^2-196*y^2"},
      {"(2*s+7*w)^2", "4*s^2+28*s*w+49*w^2"},
      {"24*a+36*b", "12*(2*a+3*b)"},
      {"24*a*c-36*b*c", "12*c*(2*a-3*b)"},
      {"24*a*c-36*b*c", "12*(2*a*c-3*b*c)"},
      {"4*a^2+12*a*b+9*b^2", "(2*a+3*b)^2"},
      {"4*a^2+12*a*b+9*b^2", "(2*a+3*b)*(2*a+3*b)"},
      {"100*p^2-9*q^2", "(10*p+3*q)*(10*p-3*q)"},
      {"a+b", "b+a"},
      {"a*b", "b*a"},
      {"a-(b+c)", "a-b-c"},
      {"(a^2-b^2)/(a-b)", "a+b"},
      {"a/b+c/d", "(a*d+b*c)/(b*d)"},
      {"x/0,5", "2*x"},
      {"A*B+C", "C+B*A"},
      {"0,1*a+0,2*a", "0,3*a"},
      {"a^2*a^3", "a^5"},
      {"(x+1)^3", "x^3+3*x^2+3*x+1"},
  };
  for (const auto& [A, B] : Cases) {
    EXPECT_TRUE(Equivalent(A, B)) << A << " vs " << B;
    EXPECT_TRUE(Equivalent(B, A)) << B << " vs " << A;
  }
}

TEST(IsEquivalent, WrongAnswersAreRefused) {
  const std::pair<const char*, const char*> Cases[] = {
      {"2*a+3*b", "3*a+2*b"},
      {"4*a^2", "(a+b)^2"},
      {"0+49*a^2", "(3*a+4*b)^2"},
      {"a+b", "2*a"},
      {"a*b", "a^2"},
      {"a+1", "a+2"},
      {"A+B", "0"},
      {"A", "B"},
      {"a", "A"},
      {"(a+b)^2", "a^2+b^2"},
      {"(a-b)^2", "a^2-b^2"},
      {"(a+b)*(a-b)", "a^2+b^2"},
      {"12*(2*a+3*b)", "12*(3*a+2*b)"},
      {"a+c", "2*b"},  // letters do not lie on a line
      {"a*c", "b^2"},
      {"a", "1"},
      {"a", "2*a-1"},
      {"?", "a"},
      {"0,333*a", "a/3"},
      {"a^2", "a^3"},
  };
  for (const auto& [A, B] : Cases) {
    EXPECT_FALSE(Equivalent(A, B)) << A << " vs " << B;
    EXPECT_FALSE(Equivalent(B, A)) << B << " vs " << A;
  }
}

TEST(IsEquivalent, DenominatorsOfDifferencesDoNotVanish) {
  for (const char* T : {"1/(a-b)", "1/(a-2)", "1/(2*a-1)", "1/(3*b-2*c)", "1/(a-b-c+d)", "1/(a*b-1)", "1/(x-y)^2"})
    EXPECT_NO_THROW(EXPECT_TRUE(Equivalent(T, T))) << T;
}

TEST(IsEquivalent, ArithmeticErrorsReachTheCallerAndVariablesKeepTheLastPoint) {
  EXPECT_THROW(Equivalent("1/(a-a)", "0"), EMathError);
  EXPECT_THROW(Equivalent("a", "0^(a/b)"), EMathError);

  auto A = TTerm::ParseTerm("a+B");
  auto B = TTerm::ParseTerm("B+a");
  ASSERT_TRUE(TTerm::IsEquivalent(*A, *B));
  const int Last = SamplePointCount() - 1;
  EXPECT_EQ(A->Evaluate(), SampleValue(Last, 'a') + SampleValue(Last, 'B'));
  EXPECT_EQ(B->Evaluate(), SampleValue(Last, 'B') + SampleValue(Last, 'a'));
  EXPECT_FALSE(TTerm::TermsEqual(*A, *B));
}

TEST(IsEquivalent, ToleranceIsRelativeForLargeValuesAndAbsoluteForSmallOnes) {
  EXPECT_TRUE(Equivalent("1000000000000*a", "1000000000000*a+0,0001"));
  EXPECT_FALSE(Equivalent("1000000000000*a", "1000000000000*a+10000"));
  EXPECT_TRUE(Equivalent("0", "0,0000000000001*a"));
  EXPECT_FALSE(Equivalent("0", "0,000001*a"));
  EXPECT_TRUE(Equivalent("?", "0"));  // the failure result has the value 0
}

TEST(IsEquivalent, EquationsCompareTheirTruthValue) {
  EXPECT_TRUE(Equivalent("a=a", "b+c=c+b"));
  EXPECT_TRUE(Equivalent("a=b", "c=d"));
  EXPECT_FALSE(Equivalent("a=a", "a=b"));
}

TEST(IsEquivalent, SamplePointsGiveEveryLetterItsOwnIrregularValue) {
  ASSERT_GE(SamplePointCount(), 4);
  std::string Letters;
  for (char C = 'a'; C <= 'z'; ++C) Letters += C;
  for (char C = 'A'; C <= 'Z'; ++C) Letters += C;
  for (int P = 0; P < SamplePointCount(); ++P) {
    std::set<long double> Seen;
    for (char C : Letters) {
      const long double V = SampleValue(P, C);
      Seen.insert(V);
      // Neither whole nor a fraction with a small denominator.
      for (int Q = 1; Q <= 12; ++Q) EXPECT_GT(std::fabs(V * Q - std::nearbyint(V * Q)), 1e-6L) << P << C << Q;
      for (int Q = 0; Q < SamplePointCount(); ++Q) {
        if (Q != P) {
          EXPECT_NE(V, SampleValue(Q, C));
        }
      }
    }
    EXPECT_EQ(Seen.size(), Letters.size()) << "point " << P;
  }
}

TEST(IsEquivalent, SameAnswerEveryTime) {
  for (int I = 0; I < 3; ++I) {
    EXPECT_TRUE(Equivalent("(a+b)^2", "a^2+2*a*b+b^2"));
    EXPECT_FALSE(Equivalent("2*a+3*b", "3*a+2*b"));
  }
}
