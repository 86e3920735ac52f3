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
  // A small "e" is always a letter: a pupil's "2e+3" is 2 * e + 3.
  if (FCh == 'E') {
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
  bool LettersOnly = true;
  while (IsLetter(FCh) || IsDigit(FCh) || FCh == '_') {
    LettersOnly = LettersOnly && IsLetter(FCh);
    Text += FCh;
    NextChar();
  }
  const int Index = FindKeyWord(Text);
  if (Index >= 0) return std::make_unique<TKeyWord>(std::move(Text), Index);
  if (!LettersOnly || Text.size() == 1) return std::make_unique<TIdent>(std::move(Text));
  FLetters = std::move(Text);
  FNextLetter = 0;
  return NextLetter();
}

std::unique_ptr<TSymbol> TExprScanner::NextLetter() {
  auto Letter = std::make_unique<TIdent>(std::string(1, FLetters[FNextLetter++]));
  if (FNextLetter == FLetters.size()) FLetters.clear(), FNextLetter = 0;
  return Letter;
}

template <class T>
void TExprScanner::LendFixed(int Slot) {
  auto& Kept = FFixed[static_cast<std::size_t>(Slot)];
  if (!Kept) Kept = std::make_unique<T>();
  SetToken(std::move(Kept));
  FLent = Slot;
}

void TExprScanner::NextToken() {
  if (FLent >= 0 && Token())
    FFixed[static_cast<std::size_t>(FLent)] = TakeToken();
  else
    SetToken(nullptr);
  FLent = -1;

  if (!FLetters.empty()) return SetToken(NextLetter());
  if (FCh == EndMark) return LendFixed<TEOF>(9);
  if (IsDigit(FCh)) return SetToken(ReadNumber());
  if (IsLetter(FCh)) return SetToken(ReadWord());
  const char C = FCh;
  NextChar();
  switch (C) {
    case '(': return LendFixed<TOpenBracket>(0);
    case ')': return LendFixed<TCloseBracket>(1);
    case '*': return LendFixed<TAsterisk>(2);
    case '+': return LendFixed<TPlus>(3);
    case '-': return LendFixed<TMinus>(4);
    case '/': return LendFixed<TSlash>(5);
    case ':': return LendFixed<TColon>(6);
    case '=': return LendFixed<TEqual>(7);
    case '^': return LendFixed<TPointer>(8);
    default: return SetToken(std::make_unique<TUnknown>(std::string(1, C)));
  }
}
