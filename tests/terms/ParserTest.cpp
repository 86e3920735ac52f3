#include <gtest/gtest.h>

#include <utility>

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

TEST(ParseTerm, ProductsAsPupilsWriteThem) {
  Check({
      {"3a", "*(3,a)"},
      {"2x", "*(2,x)"},
      {"2(a+b)", "*(2,+(a,b))"},
      {"a(b)", "*(a,b)"},
      {"(a+b)(a-b)", "*(+(a,b),-(a,b))"},
      {"a^2b", "*(^(a,2),b)"},
      {"2ab", "*(*(2,a),b)"},
      {"ab", "*(a,b)"},
      {"ab^2", "*(a,^(b,2))"},
      {"2ab^2", "*(*(2,a),^(b,2))"},
      {"0,5x", "*(0,5,x)"},
      {"2 a b", "*(*(2,a),b)"},
      {"2*a b", "*(*(2,a),b)"},
      {"abc", "*(*(a,b),c)"},
      {"sinx", "*(*(*(s,i),n),x)"},  // only the whole word "sin" is the keyword
      {"a^(2)(b)", "*(^(a,2),b)"},
      {"(a+b)^2(c)", "*(^(+(a,b),2),c)"},
  });
}

TEST(ParseTerm, ImplicitProductsBindLikeTheAsteriskFromTheLeft) {
  Check({
      {"a/bc", "*(/(a,b),c)"},
      {"a:2b", "*(:(a,2),b)"},
      {"2a+3b", "+(*(2,a),*(3,b))"},
      {"4i^2-28il+49l^2", "+(-(*(4,^(i,2)),*(*(28,i),l)),*(49,^(l,2)))"},
      {"2a=b", "=(*(2,a),b)"},
      {"a^b c", "*(^(a,b),c)"},
  });
  // The text form is the ordinary one with "*".
  EXPECT_EQ(TTerm::ParseTerm("2ab")->ToString(), "2 * a * b");
  EXPECT_EQ(TTerm::ParseTerm("2x")->ToCompactString(), "2*x");
  EXPECT_EQ(TTerm::ParseTerm("(2a+3b)^2")->ToString(), "(2 * a + 3 * b)^2");
}

TEST(ParseTerm, ProductSignsAndRaisedDigitsOfTheKeyboard) {
  Check({
      {"2\xC2\xB7" "a", "*(2,a)"},    // middle dot
      {"2\xC3\x97" "a", "*(2,a)"},   // multiplication sign
      {"x\xC2\xB2+1", "+(^(x,2),1)"},
      {"a\xC2\xB3", "^(a,3)"},
      {"(a+b)\xC2\xB2", "^(+(a,b),2)"},
      {"4i\xC2\xB2-28il+49l\xC2\xB2", "+(-(*(4,^(i,2)),*(*(28,i),l)),*(49,^(l,2)))"},
      {"a\xC2\xB2" "b", "*(^(a,2),b)"},
      {"x\xC2\xB2" "3", "'?'"},           // not x^23
      {"x\xC2\xB2\xC2\xB2", "'?'"},
      {"x^\xC2\xB2", "'?'"},
      {"2\xC2\xB7", "'?'"},
      {"\xC2\xB7" "a", "'?'"},
      {"a\xE2\x88\x92" "b", "-(a,b)"},  // the printed minus sign
      {"(a\xE2\x88\x92" "b)\xC2\xB2", "^(-(a,b),2)"},
      {"\xE2\x88\x92" "a", "neg(a)"},
      {"a\xE2\x88" "b", "'?'"},  // a broken sign is no minus
  });
}

TEST(ParseTerm, NothingTypedIsLeftUnread) {
  Check({
      {"a^2^3", "'?'"},
      {"a^b^c", "'?'"},
      {"(a^2)^3", "^(^(a,2),3)"},
      {"a^(2^3)", "^(a,^(2,3))"},
      {"a=b=c", "'?'"},
      {"a+b)", "'?'"},
      {"x/0,5)", "'?'"},
      {"1,2,3", "'?'"},
      {"1.2.3", "'?'"},  // "1.2" does not convert with a decimal comma
      {"(a+b)2", "'?'"},  // a number after a factor does not multiply
      {"a 2", "'?'"},
      {"2a#", "'?'"},
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

TEST(ParseTerm, ALeadingMinusNegatesTheFirstProduct) {
  Check({
      {"-3", "neg(3)"},
      {"-x+2", "+(neg(x),2)"},
      {"-2,5+x", "+(neg(2,5),x)"},
      {"(-3)*a", "*(neg(3),a)"},
      {"2*(-x)", "*(2,neg(x))"},
      {"a*(-b)", "*(a,neg(b))"},
      {"-(a+b)", "neg(+(a,b))"},
      {"-x^2", "neg(^(x,2))"},
      {"-2x", "neg(*(2,x))"},
      {"-a/b-c", "-(neg(/(a,b)),c)"},
      {"(-x)^2", "^(neg(x),2)"},
      {"a^(-2)", "^(a,neg(2))"},
      {"-(-x)", "neg(neg(x))"},
      {"a=-b", "=(a,neg(b))"},
  });
  // Printed back so that it reads as the same tree.
  for (const auto& [Input, Text] : {std::pair{"-x+2", "-x + 2"}, {"(-3)*a", "(-3) * a"}, {"2*(-x)", "2 * (-x)"},
                                    {"-(a+b)", "-(a + b)"}, {"-x^2", "-x^2"}, {"-2x", "-2 * x"},
                                    {"a-(-b)", "a - (-b)"}, {"a+(-b)", "a + (-b)"}, {"(-x)^2", "(-x)^2"},
                                    {"a^(-2)", "a^(-2)"}, {"(-a)/b", "(-a) / b"}, {"-(-x)", "-(-x)"},
                                    {"a+(-b-c)", "a + (-b - c)"}, {"a-(-b+c)", "a - (-b + c)"}}) {
    const auto T = TTerm::ParseTerm(Input);
    EXPECT_EQ(T->ToString(), Text) << Input;
    EXPECT_TRUE(TTerm::TermsEqual(*T, *TTerm::ParseTerm(T->ToString()))) << Input;
  }
  const auto T = TTerm::ParseTerm("-x^2+3");
  T->SetValue('x', 2);
  EXPECT_EQ(T->Evaluate(), -1);
}

TEST(ParseTerm, EverythingMalformedGivesTheQuestionMark) {
  Check({
      {"", "'?'"},
      {"   ", "'?'"},
      {"+a", "'?'"},
      {"(+a)", "'?'"},
      {"--a", "'?'"},
      {"a+-b", "'?'"},
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
      {"2e3", "'?'"},  // the letter e with a digit: no term
      {"2E+3", "2000"},
      {"2E", "*(2,E)"},  // no digits after the E: it is a letter
      {"2E-x", "-(*(2,E),x)"},
      {"2e*a", "*(*(2,e),a)"},
      {"2e+3", "+(*(2,e),3)"},  // a small e is always a letter
      {"2e-3f", "-(*(2,e),*(3,f))"},
      {"(2e+3f)^2", "^(+(*(2,e),*(3,f)),2)"},
      {"1E99999", "'?'"},  // out of range
  });
}

TEST(ParseTerm, EveryLetterIsAVariableOfItsOwn) {
  Check({
      {"x2", "'?'"},  // a word with a digit or "_" is no term
      {"2x2", "'?'"},
      {"a_b+c", "'?'"},
      {"a+b_", "'?'"},
      {"A+a", "+(A,a)"},
      {"Z", "Z"},
      {"Ab", "*(A,b)"},
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
      {"a b", "*(a,b)"},
  });
  // Character 26 ends the text; character 0 is an unknown symbol.
  EXPECT_EQ(ParsedShape(std::string("a+b\x1a*c")), "+(a,b)");
  EXPECT_EQ(ParsedShape(std::string("a+\x1a b")), "'?'");
  EXPECT_EQ(ParsedShape(std::string("a\0+b", 4)), "'?'");
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
