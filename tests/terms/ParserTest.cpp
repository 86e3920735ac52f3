#include <gtest/gtest.h>

#include "TermShape.h"

namespace {
struct TCase {
  const char* Input;
  const char* Shape;
};

void Check(std::initializer_list<TCase> Cases) {
  for (const auto& C : Cases) EXPECT_EQ(ParsedShape(C.Input), C.Shape) << "input: " << C.Input;
}
}  // namespace

TEST(ParseTerm, PrecedenceFromLoosestToTightest) {
  Check({
      {"a+b*c", "+(a,*(b,c))"},
      {"a*b+c", "+(*(a,b),c)"},
      {"a*b^2", "*(a,^(b,2))"},
      {"a^2*b", "*(^(a,2),b)"},
      {"a+b=c*d", "=(+(a,b),*(c,d))"},
      {"a-b/c", "-(a,/(b,c))"},
      {"a:b^c-d", "-(:(a,^(b,c)),d)"},
  });
}

TEST(ParseTerm, ChainsAssociateToTheLeft) {
  Check({
      {"a-b-c", "-(-(a,b),c)"},
      {"a+b-c+d", "+(-(+(a,b),c),d)"},
      {"a/b:c", ":(/(a,b),c)"},
      {"a*b/c*d", "*(/(*(a,b),c),d)"},
      {"a:b:c", ":(:(a,b),c)"},
  });
}

TEST(ParseTerm, OnlyTheFirstOfSomeOperatorsIsRead) {
  Check({
      {"a^2^3", "^(a,2)"},
      {"a^b^c", "^(a,b)"},
      {"(a^2)^3", "^(^(a,2),3)"},
      {"a^(2^3)", "^(a,^(2,3))"},
      {"a=b=c", "=(a,b)"},
      {"2x", "2"},
      {"3a", "3"},
      {"2(a+b)", "2"},
      {"a(b)", "a"},
      {"a+b)", "+(a,b)"},
      {"x/0,5)", "/(x,0,5)"},
      {"1,2,3", "1,2"},
      {"1.2.3", "'?'"},  // "1.2" does not convert with a decimal comma
      {"2*a b", "*(2,a)"},
  });
}

TEST(ParseTerm, BracketsLeaveNoTrace) {
  Check({
      {"(a)", "a"},
      {"((((a))))", "a"},
      {"(a+b)*c", "*(+(a,b),c)"},
      {"a-(b-c)", "-(a,-(b,c))"},
      {"(a+b)^2", "^(+(a,b),2)"},
      {"(2*a)/b", "/(*(2,a),b)"},
  });
}

TEST(ParseTerm, EverythingMalformedGivesTheQuestionMark) {
  Check({
      {"", "'?'"},
      {"   ", "'?'"},
      {"-3", "'?'"},
      {"-a", "'?'"},
      {"+a", "'?'"},
      {"a+", "'?'"},
      {"a*-b", "'?'"},
      {"sin(x)", "'?'"},
      {"SIN(x)", "'?'"},
      {"cos", "'?'"},
      {"(a+b", "'?'"},
      {"()", "'?'"},
      {"(a=b)", "'?'"},  // brackets hold a sum, not an equation
      {"a=", "'?'"},
      {"0.5", "'?'"},
      {"0.5*x", "'?'"},
      {"#", "'?'"},
      {"a^", "'?'"},
      {"\xC3\xA4", "'?'"},  // a UTF-8 letter is no variable
      {"?", "'?'"},
  });
}

TEST(ParseTerm, NumbersUseTheDecimalComma) {
  Check({
      {"0,5*x", "*(0,5,x)"},
      {"12", "12"},
      {"1 2", "12"},
      {"007", "7"},
      {"3,", "3"},
      {"1,5E-7", "1,5E-7"},
      {"1E20", "1E20"},
      {"2e3", "2000"},
      {"2E+3", "2000"},
      {"2E", "2"},        // no digits after the E: the E is the next symbol
      {"2E-x", "2"},
      {"2e*a", "2"},
      {"1E99999", "'?'"},  // out of range
  });
}

TEST(ParseTerm, WordsAreVariablesNamedByTheirFirstLetter) {
  Check({
      {"ab", "a"},
      {"x2", "x"},
      {"a_b+c", "+(a,c)"},
      {"sinx", "s"},
      {"A+a", "+(A,a)"},
      {"Z", "Z"},
  });
  auto Upper = TTerm::ParseTerm("A");
  auto Lower = TTerm::ParseTerm("a");
  EXPECT_FALSE(TTerm::TermsEqual(*Upper, *Lower));
}

TEST(ParseTerm, SpacesAndControlCharactersAreInvisible) {
  Check({
      {" a + b ", "+(a,b)"},
      {"a\t*\r\nb", "*(a,b)"},
      {"a\x01+\x19 b", "+(a,b)"},
      {"(a\x1f+b)", "+(a,b)"},
      {"a b", "a"},
  });
  // Character 26 ends the text; character 0 is an unknown symbol.
  EXPECT_EQ(ParsedShape(std::string("a+b\x1a*c")), "+(a,b)");
  EXPECT_EQ(ParsedShape(std::string("a+\x1a b")), "'?'");
  EXPECT_EQ(ParsedShape(std::string("a\0+b", 4)), "a");
  EXPECT_EQ(ParsedShape(std::string("\0a", 2)), "'?'");
}

TEST(ParseTerm, DeepOrLongTextsGiveTheQuestionMarkInsteadOfExhaustingTheStack) {
  const auto Nested = [](int Depth) { return std::string(Depth, '(') + "a" + std::string(Depth, ')'); };
  EXPECT_EQ(ParsedShape(Nested(500)), "a");
  EXPECT_EQ(ParsedShape(Nested(501)), "'?'");
  EXPECT_EQ(ParsedShape(std::string(100000, '(')), "'?'");

  std::string Chain = "a";
  for (int I = 0; I < 500; ++I) Chain += "/a";
  const auto Long = TTerm::ParseTerm(Chain);
  ASSERT_TRUE(Long->IsA<TFrac>());
  // Its print brackets every inner quotient and still reads back.
  EXPECT_TRUE(TTerm::TermsEqual(*Long, *TTerm::ParseTerm(Long->ToString())));
  EXPECT_EQ(ParsedShape(Chain + "+a"), "'?'");
}
