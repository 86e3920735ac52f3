// Reading a typed term into a term tree (recursive descent).
//
//   equation = sum [ "=" sum ]
//   sum      = product { ("+" | "-") product }
//   product  = power { ("*" | "/" | ":") power }
//   power    = factor [ "^" factor ]
//   factor   = number | word | "(" sum ")"
//
// A word stands for the variable named by its first letter. Whatever follows
// a complete equation is not read.
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

  std::unique_ptr<TTerm> Equation() {
    auto Left = Sum();
    if (!At<TEqual>()) return Left;
    Next();
    return Join<TEquation>(std::move(Left), Sum());
  }

 private:
  std::unique_ptr<TTerm> Sum() {
    auto Left = Product();
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

  template <class T>
  std::unique_ptr<TTerm> Join(std::unique_ptr<TTerm> Left, std::unique_ptr<TTerm> Right) {
    if (++FOperators > MaxOperators) throw EParserError("Der Term ist zu lang");
    return std::make_unique<T>(std::move(Left), std::move(Right));
  }

  TExprScanner& FScanner;
  int FNesting = 0;
  int FOperators = 0;
};
}  // namespace

std::unique_ptr<TTerm> TTerm::ParseTerm(const std::string& Text) {
  try {
    TByteStream Stream(Text);
    TExprScanner Scanner;
    Scanner.Open(Stream);
    Scanner.NextToken();
    return TExprParser(Scanner).Equation();
  } catch (...) {
    // Any failure while reading (a syntax error, a number that does not
    // convert, memory) gives the one-leaf text term "?".
    return std::make_unique<TText>("?");
  }
}
