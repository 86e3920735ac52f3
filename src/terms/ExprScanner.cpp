#include "terms/ExprScanner.h"

#include "common/NumberFormat.h"

namespace {
bool IsDigit(char C) { return C >= '0' && C <= '9'; }
bool IsLetter(char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'); }
}  // namespace

TExprScanner::TExprScanner() : TScanner({"SIN", "COS"}) {}

void TExprScanner::NextChar() {
  // Control characters and the space are skipped; 0 and the end mark are not.
  for (;;) {
    TScanner::NextChar();
    const auto C = static_cast<unsigned char>(FCh);
    if (!((C >= 1 && C <= 25) || (C >= 27 && C <= 32))) return;
  }
}

std::unique_ptr<TSymbol> TExprScanner::ReadNumber() {
  std::string Text;
  while (IsDigit(FCh)) Text += FCh, NextChar();
  if (FCh == ',' || FCh == '.') {
    Text += FCh;
    NextChar();
    while (IsDigit(FCh)) Text += FCh, NextChar();
  }
  // A power of ten as the number form of this program writes it ("1E20",
  // "1,5E-7"). Without digits after it the "E" is left for the next symbol.
  if (FCh == 'E' || FCh == 'e') {
    const std::size_t Position = Stream()->Position();
    const char Mark = FCh;
    std::string Exponent(1, FCh);
    NextChar();
    if (FCh == '-' || FCh == '+') Exponent += FCh, NextChar();
    if (IsDigit(FCh)) {
      while (IsDigit(FCh)) Exponent += FCh, NextChar();
      Text += Exponent;
    } else {
      Stream()->SetPosition(Position);
      FCh = Mark;
    }
  }
  long double Value = 0;
  if (!TryStrToFloat(Text, Value)) throw EParserError("'" + Text + "' ist kein gültiger Gleitkommawert");
  return std::make_unique<TReal>(std::move(Text), Value);
}

std::unique_ptr<TSymbol> TExprScanner::ReadWord() {
  std::string Text;
  while (IsLetter(FCh) || IsDigit(FCh) || FCh == '_') Text += FCh, NextChar();
  const int Index = FindKeyWord(Text);
  if (Index >= 0) return std::make_unique<TKeyWord>(std::move(Text), Index);
  return std::make_unique<TIdent>(std::move(Text));
}

void TExprScanner::NextToken() {
  SetToken(nullptr);
  if (FCh == EndMark) {
    SetToken(std::make_unique<TEOF>());
    return;
  }
  if (IsDigit(FCh)) {
    SetToken(ReadNumber());
    return;
  }
  if (IsLetter(FCh)) {
    SetToken(ReadWord());
    return;
  }
  std::unique_ptr<TSymbol> Symbol;
  switch (FCh) {
    case '(': Symbol = std::make_unique<TOpenBracket>(); break;
    case ')': Symbol = std::make_unique<TCloseBracket>(); break;
    case '*': Symbol = std::make_unique<TAsterisk>(); break;
    case '+': Symbol = std::make_unique<TPlus>(); break;
    case '-': Symbol = std::make_unique<TMinus>(); break;
    case '/': Symbol = std::make_unique<TSlash>(); break;
    case ':': Symbol = std::make_unique<TColon>(); break;
    case '=': Symbol = std::make_unique<TEqual>(); break;
    case '^': Symbol = std::make_unique<TPointer>(); break;
    default: Symbol = std::make_unique<TUnknown>(std::string(1, FCh)); break;
  }
  NextChar();
  SetToken(std::move(Symbol));
}
