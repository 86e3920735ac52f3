#include <gtest/gtest.h>

#include <cmath>

#include "TermShape.h"

namespace {
std::unique_ptr<TTerm> P(const char* Text) { return TTerm::ParseTerm(Text); }

// Parses Text and gives a = 2, b = 3, c = 0,5 (other variables keep 0).
std::unique_ptr<TTerm> WithValues(const char* Text) {
  auto T = P(Text);
  T->SetValue('a', 2);
  T->SetValue('b', 3);
  T->SetValue('c', 0.5L);
  return T;
}
}  // namespace

TEST(TermEvaluate, EveryClass) {
  struct {
    const char* Input;
    long double Value;
  } Cases[] = {
      {"7", 7},           {"a", 2},             {"x", 0},               {"A", 0},
      {"a+b", 5},         {"a-b", -1},          {"a*b", 6},             {"a/b", 2.0L / 3},
      {"a:b", 2.0L / 3},  {"a-b-c", -1.5L},     {"a=a", 1},             {"a=b", 0},
      {"a+b=b+a", 1},     {"?", 0},             {"(a+b)*(a-b)", -5},    {"x/0,5", 0},
  };
  for (const auto& C : Cases) EXPECT_EQ(WithValues(C.Input)->Evaluate(), C.Value) << C.Input;
}

TEST(TermEvaluate, Powers) {
  struct {
    const char* Input;
    long double Value;
  } Cases[] = {
      {"b^0", 1},        {"b^1", 3},          {"b^2", 9},           {"b^3", 27},         {"b^4", 81},
      {"b^5", 243},      {"a^10", 1024},      {"2^(0-1)", 0.5L},    {"2^(0-3)", 0.125L}, {"(0-2)^3", -8},
      {"(0-2)^4", 16},   {"0^0", 1},          {"0^3", 0},           {"(0-8)^0,5", 0},    {"(0-8)^(1/3)", 0},
      {"c^2", 0.25L},    {"1^1000000", 1},    {"a^(b-1)", 4},       {"(a^2)^3", 64},     {"2^3000", std::ldexp(1.0L, 3000)},
  };
  for (const auto& C : Cases) EXPECT_EQ(WithValues(C.Input)->Evaluate(), C.Value) << C.Input;
  EXPECT_NEAR(static_cast<double>(P("4^0,5")->Evaluate()), 2.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(P("27^(1/3)")->Evaluate()), 3.0, 1e-15);
  // A huge exponent is computed in a few steps, not by a loop of that length.
  EXPECT_TRUE(std::isinf(P("1,000001^100000000000000000")->Evaluate()));
  EXPECT_EQ(P("0,5^100000000000000000")->Evaluate(), 0);
}

TEST(TermEvaluate, ArithmeticErrorsReachTheCaller) {
  for (const char* Input : {"1/0", "a:(b-b)", "1/(a-2)", "0^(0-1)", "(a-2)^(0-2)", "1/0=1"}) {
    const auto T = WithValues(Input);
    try {
      T->Evaluate();
      ADD_FAILURE() << Input << " gave no error";
    } catch (const EMathError& E) {
      EXPECT_STREQ(E.what(), "Division durch Null") << Input;
    }
  }
  EXPECT_THROW(WithValues("0^0,5")->Evaluate(), EMathError);
  EXPECT_THROW(WithValues("(a-2)^c")->Evaluate(), EMathError);
  static_assert(std::is_base_of_v<std::runtime_error, EMathError>);
}

TEST(TermEvaluate, TextLeaf) {
  TText Number("2,5");
  EXPECT_EQ(Number.Evaluate(), 2.5L);
  TText Letter("x");
  Letter.SetValue('y', 9);
  EXPECT_EQ(Letter.Evaluate(), 0);
  Letter.SetValue('x', 4);
  EXPECT_EQ(Letter.Evaluate(), 4);
  TText Word("xy");
  Word.SetValue('x', 4);
  EXPECT_EQ(Word.Evaluate(), 0);
}

TEST(TermTree, SetValueReachesEveryVariableOfThatName) {
  auto T = P("a*a+A-b");
  T->SetValue('a', 3);
  EXPECT_EQ(T->Evaluate(), 9);
  T->SetValue('A', 1);
  T->SetValue('b', 4);
  EXPECT_EQ(T->Evaluate(), 6);
  TConstant C(5);
  C.SetValue('a', 1);
  EXPECT_EQ(C.Evaluate(), 5);
}

TEST(TermTree, IsEqualIsStructural) {
  struct {
    const char* A;
    const char* B;
    bool Equal;
  } Cases[] = {
      {"a+b", "a+b", true},         {"a+b", "b+a", false},       {"a+b", "a-b", false},
      {"a/b", "a:b", false},        {"a*b", "a/b", false},       {"(a+b)", "a+b", true},
      {"2", "2,0", true},           {"2", "2,5", false},         {"a", "A", false},
      {"?", "?", true},             {"?", "0", false},           {"(a+b)^2", "(a+b)^2", true},
      {"a^2", "a^3", false},        {"a=b", "a=b", true},        {"a=b", "b=a", false},
  };
  for (const auto& C : Cases) {
    EXPECT_EQ(TTerm::TermsEqual(*P(C.A), *P(C.B)), C.Equal) << C.A << " vs " << C.B;
    EXPECT_EQ(P(C.B)->IsEqual(*P(C.A)), C.Equal) << C.B << " vs " << C.A;
  }
  // A constant equals a variable of the same value, not the other way round.
  TConstant Zero(0);
  TVariable A('a');
  EXPECT_TRUE(Zero.IsEqual(A));
  EXPECT_FALSE(A.IsEqual(Zero));
  A.SetValue('a', 1);
  EXPECT_FALSE(Zero.IsEqual(A));
  EXPECT_FALSE(TText("1").IsEqual(TConstant(1)));
}

TEST(TermTree, CopyIsDeepAndKeepsClassesAndValues) {
  for (const char* Input : {"a+b", "a-b", "a*b", "a:b", "a/b", "a^b", "a=b", "3", "x", "?", "(a+2)*(b-c)/d"}) {
    auto T = P(Input);
    for (char Name : {'a', 'b', 'c', 'd'}) T->SetValue(Name, Name - 'a' + 7);
    auto C = T->Copy();
    EXPECT_TRUE(typeid(*C) == typeid(*T)) << Input;
    EXPECT_TRUE(TTerm::TermsEqual(*C, *T)) << Input;
    const long double Value = T->Evaluate();
    EXPECT_EQ(C->Evaluate(), Value) << Input;
    C->SetValue('a', 1);  // the copy shares nothing with the original
    EXPECT_EQ(T->Evaluate(), Value) << Input;
    if (auto* D = dynamic_cast<TDyad*>(C.get())) {
      EXPECT_FALSE(T->HasChild(D->Left()));
      EXPECT_EQ(T->FindParent(D->Left()), nullptr);
    }
  }
  auto Text = std::make_unique<TText>("q");
  Text->SetValue('q', 5);
  EXPECT_EQ(Text->Copy()->Evaluate(), 5);
}

TEST(TermTree, FindParentAndHasChild) {
  auto T = P("(a+b)*c^d");
  auto* Mul = dynamic_cast<TMul*>(T.get());
  ASSERT_NE(Mul, nullptr);
  auto* Sum = dynamic_cast<TDyad*>(Mul->Left());
  auto* Pow = dynamic_cast<TDyad*>(Mul->Right());
  ASSERT_TRUE(Sum && Pow);
  EXPECT_EQ(T->FindParent(Sum), Mul);
  EXPECT_EQ(T->FindParent(Sum->Right()), Sum);
  EXPECT_EQ(T->FindParent(Pow->Left()), Pow);
  EXPECT_EQ(T->FindParent(Pow->Right()), Pow);
  EXPECT_EQ(T->FindParent(T.get()), nullptr);
  EXPECT_EQ(T->FindParent(nullptr), nullptr);
  EXPECT_EQ(Sum->FindParent(Pow->Left()), nullptr);
  EXPECT_EQ(Sum->Left()->FindParent(Sum->Left()), nullptr);
  EXPECT_TRUE(Mul->HasChild(Pow));
  EXPECT_FALSE(Mul->HasChild(Pow->Left()));
  EXPECT_FALSE(Sum->Left()->HasChild(Sum->Left()));
  const TTerm& Const = *T;
  EXPECT_EQ(Const.FindParent(Sum), Mul);
  const TDyad& ConstDyad = *Mul;
  EXPECT_EQ(ConstDyad.FindParent(Pow->Left()), Pow);
}

TEST(TermTree, ForEachVisitsPreorderAndStopPrunesOnlyThatNode) {
  auto T = P("(a+b)*(c+d)+e");
  std::string Visited;
  int Calls = 0;
  T->ForEach(
      [&Visited](TTerm& Node, void* Data, bool& Stop) {
        EXPECT_FALSE(Stop);
        ++*static_cast<int*>(Data);
        Visited += Node.IsA<TDyad>() ? "[" + Shape(Node).substr(0, 1) + "]" : Node.ToString();
        // Skip the inside of the first bracket only.
        if (Node.ToCompactString() == "a+b") Stop = true;
      },
      &Calls);
  EXPECT_EQ(Visited, "[+][*][+][+]cde");
  EXPECT_EQ(Calls, 7);
}

TEST(TermTree, CollectFactorsOpensNestedProducts) {
  struct {
    const char* Input;
    std::vector<std::string> Factors;
  } Cases[] = {
      {"(2*a)*(b+c)", {"2", "a", "+(b,c)"}},
      {"a:b", {"a", "b"}},
      {"2*a*b/c", {"2", "a", "b", "c"}},
      {"a*(b*c)", {"a", "b", "c"}},
      {"(a+b)*c^2", {"+(a,b)", "^(c,2)"}},
      {"12*(2*a+3*b)", {"12", "+(*(2,a),*(3,b))"}},
      {"12*c*(2*a-3*b)", {"12", "c", "-(*(2,a),*(3,b))"}},
  };
  for (const auto& C : Cases) {
    auto T = P(C.Input);
    const auto* Mul = dynamic_cast<const TMul*>(T.get());
    ASSERT_NE(Mul, nullptr) << C.Input;
    std::vector<std::unique_ptr<TTerm>> List;
    List.push_back(std::make_unique<TConstant>(99));  // the list is appended to
    Mul->CollectFactors(List);
    std::vector<std::string> Shapes;
    for (size_t I = 1; I < List.size(); ++I) {
      Shapes.push_back(Shape(*List[I]));
      EXPECT_EQ(T->FindParent(List[I].get()), nullptr);  // copies, not the tree's own nodes
    }
    EXPECT_EQ(Shapes, C.Factors) << C.Input;
  }
}
