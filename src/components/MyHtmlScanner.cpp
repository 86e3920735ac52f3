#include "components/MyHtmlScanner.h"

namespace {
bool IsBlank(char C) {
  const auto Code = static_cast<unsigned char>(C);
  return (Code >= 7 && Code <= 13) || Code == 32;
}

bool EndsWord(char C) { return IsBlank(C) || C == '"' || C == '<' || C == '=' || C == '>' || C == TScanner::EndMark; }

std::vector<std::string> TagNameList() { return {TagNames.begin(), TagNames.end()}; }
}  // namespace

THTMLScanner::THTMLScanner() : TScanner(TagNameList()) {}

void THTMLScanner::NextToken() {
  SetToken(nullptr);
  std::unique_ptr<TSymbol> Symbol;
  switch (FCh) {
    case '<': Symbol = std::make_unique<TOpenTag>(); break;
    case '>': Symbol = std::make_unique<TCloseTag>(); break;
    case '=': Symbol = std::make_unique<TEqual>(); break;
    case '/': Symbol = std::make_unique<TSlash>(); break;
    case '"': Symbol = std::make_unique<TQuote>(); break;
    default: break;
  }
  if (Symbol) {
    NextChar();
    SetToken(std::move(Symbol));
    return;
  }
  if (FCh == EndMark) {
    SetToken(std::make_unique<TEOF>());
    return;
  }
  if (IsBlank(FCh)) {
    while (IsBlank(FCh)) NextChar();
    SetToken(std::make_unique<TString>(" "));
    return;
  }
  std::string Word;
  while (!EndsWord(FCh)) {
    Word += FCh;
    NextChar();
  }
  const int Index = FindKeyWord(Word);
  if (Index >= 0)
    SetToken(std::make_unique<TKeyWord>(std::move(Word), Index));
  else
    SetToken(std::make_unique<TString>(std::move(Word)));
}

TTokens Tokenize(std::string_view Text) {
  TByteStream Stream(Text);
  THTMLScanner Scanner;
  Scanner.Open(Stream);
  TTokens Tokens;
  for (;;) {
    Scanner.NextToken();
    const bool End = Scanner.Token()->IsExactly<TEOF>();
    Tokens.push_back(Scanner.TakeToken());
    if (End) return Tokens;
  }
}
