// Reading a typed term into a term tree (recursive descent).
//
//   term     = equation end
//   equation = sum [ "=" sum ]
//   sum      = [ "-" ] product { ("+" | "-") product }
//   product  = power { ("*" | "/" | ":") power | power that starts with a letter or "(" }
//   power    = factor [ "^" factor ]
//   factor   = number | letter | "(" sum ")"
//
// Products are written as pupils write them: a factor followed directly by
// a letter or "(" multiplies, at the level of "*" (3a, 2(a+b), (a+b)(a-b),
// a^2b). A minus at the start of a sum negates its first product: "-x^2" is
// -(x^2), "-2x" is -(2x), "(-3)a" is (-3)*a; a leading "+" is no term.
// The scanner hands a word of letters out letter by letter, so ab is
// a * b and ab^2 is a * b^2: a power binds to the last letter only. A word
// with a digit or "_" (x2) is no term, nor is a text with anything left
// after the equation ("a+b)", "a^2^3", "a=b=c").
#include <string>
#include <string_view>

#include "terms/ExprScanner.h"
#include "terms/Terms.h"

namespace {
// Limits that keep every recursive operation on a parsed tree far from the
// end of the stack; no real term comes near them. The printed form of a
// tree never nests brackets deeper than the tree is deep, so with equal
// limits every printed term reads back.
constexpr int MaxOperators = 500;  // operator nodes of one term
constexpr int MaxNesting = MaxOperators;  // brackets inside brackets

class TExprParser {
 public:
  explicit TExprParser(TExprScanner& Scanner) : FScanner(Scanner) {}

  std::unique_ptr<TTerm> Term() {
    auto Result = Equation();
    if (!At<TEOF>()) throw EParserError("Ende des Terms erwartet!");
    return Result;
  }

 private:
  std::unique_ptr<TTerm> Equation() {
    auto Left = Sum();
    if (!At<TEqual>()) return Left;
    Next();
    return Join<TEquation>(std::move(Left), Sum());
  }

  std::unique_ptr<TTerm> Sum() {
    std::unique_ptr<TTerm> Left;
    if (At<TMinus>()) {
      Next();
      Left = Negation(Product());
    } else {
      Left = Product();
    }
    for (;;) {
      if (At<TPlus>()) {
        Next();
        Left = Join<TSum>(std::move(Left), Product());
      } else if (At<TMinus>()) {
        Next();
        Left = Join<TDif>(std::move(Left), Product());
      } else {
        return Left;
      }
    }
  }

  std::unique_ptr<TTerm> Product() {
    auto Left = Power();
    for (;;) {
      if (At<TAsterisk>()) {
        Next();
        Left = Join<TMul>(std::move(Left), Power());
      } else if (At<TSlash>()) {
        Next();
        Left = Join<TFrac>(std::move(Left), Power());
      } else if (At<TColon>()) {
        Next();
        Left = Join<TDiv>(std::move(Left), Power());
      } else if (At<TIdent>() || At<TOpenBracket>()) {
        Left = Join<TMul>(std::move(Left), Power());
      } else {
        return Left;
      }
    }
  }

  std::unique_ptr<TTerm> Power() {
    auto Base = Factor();
    if (!At<TPointer>()) return Base;
    Next();
    return Join<TPower>(std::move(Base), Factor());
  }

  std::unique_ptr<TTerm> Factor() {
    const TSymbol* T = FScanner.Token();
    if (T->IsExactly<TReal>()) {
      auto C = std::make_unique<TConstant>(static_cast<const TReal*>(T)->Value());
      Next();
      return C;
    }
    if (T->IsExactly<TIdent>()) {
      if (T->Text().size() != 1) throw EParserError("Variable aus einem Buchstaben erwartet!");
      auto V = std::make_unique<TVariable>(T->Text()[0]);
      Next();
      return V;
    }
    if (T->IsExactly<TOpenBracket>()) {
      if (++FNesting > MaxNesting) throw EParserError("Zu viele Klammern ineinander");
      Next();
      auto Inner = Sum();
      if (!At<TCloseBracket>()) throw EParserError("\")\" erwartet!");
      Next();
      --FNesting;
      return Inner;
    }
    throw EParserError("Konstante oder Variable erwartet!");
  }

  template <class T>
  bool At() const {
    return FScanner.Token()->IsExactly<T>();
  }
  void Next() { FScanner.NextToken(); }

  std::unique_ptr<TTerm> Negation(std::unique_ptr<TTerm> Operand) {
    if (++FOperators > MaxOperators) throw EParserError("Der Term ist zu lang");
    return std::make_unique<TNeg>(std::move(Operand));
  }

  template <class T>
  std::unique_ptr<TTerm> Join(std::unique_ptr<TTerm> Left, std::unique_ptr<TTerm> Right) {
    if (++FOperators > MaxOperators) throw EParserError("Der Term ist zu lang");
    return std::make_unique<T>(std::move(Left), std::move(Right));
  }

  TExprScanner& FScanner;
  int FNesting = 0;
  int FOperators = 0;
};

// The signs a pupil may type or paste besides the keyboard's ASCII ones, in
// UTF-8: the dot and the cross of a product, the minus sign as printed, and
// the raised 2 and 3 of a square and a cube. The raised digits keep their exponent to themselves:
// x²3 is no term, not x^23.
std::string WithPlainSigns(const std::string& Text) {
  struct TSign {
    std::string_view Typed, Plain;
  };
  static constexpr TSign Signs[] = {
      {"\xC2\xB7", "*"},    // middle dot
      {"\xC3\x97", "*"},    // multiplication sign
      {"\xC2\xB2", "^(2)"},  // superscript two
      {"\xC2\xB3", "^(3)"},  // superscript three
      {"\xE2\x88\x92", "-"},  // minus sign
  };
  if (Text.find_first_of("\xC2\xC3\xE2") == std::string::npos) return Text;
  std::string Out;
  Out.reserve(Text.size() + 8);
  for (std::size_t I = 0; I < Text.size();) {
    const TSign* Found = nullptr;
    for (const TSign& S : Signs)
      if (std::string_view(Text).substr(I, S.Typed.size()) == S.Typed) Found = &S;
    if (Found) {
      Out += Found->Plain;
      I += Found->Typed.size();
    } else {
      Out += Text[I++];
    }
  }
  return Out;
}
}  // namespace

std::unique_ptr<TTerm> TTerm::ParseTerm(const std::string& Text) {
  try {
    const std::string Plain = WithPlainSigns(Text);
    TByteStream Stream(Plain);
    TExprScanner Scanner;
    Scanner.Open(Stream);
    Scanner.NextToken();
    return TExprParser(Scanner).Term();
  } catch (...) {
    // Any failure while reading (a syntax error, a number that does not
    // convert, memory) gives the one-leaf text term "?".
    return std::make_unique<TText>("?");
  }
}
