#include "terms/Scanner.h"

namespace {
char UpperAscii(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }
}  // namespace

TScanner::TScanner(std::vector<std::string> KeyWords) : FKeyWords(std::move(KeyWords)) {}

TScanner::~TScanner() = default;

void TScanner::Open(TByteStream& Stream) {
  FStream = &Stream;
  FStream->SetPosition(0);
  NextChar();
}

void TScanner::NextChar() {
  if (!FStream || !FStream->Read(FCh)) FCh = EndMark;
}

int TScanner::FindKeyWord(std::string_view Word) const {
  for (std::size_t I = 0; I < FKeyWords.size(); ++I) {
    const std::string& K = FKeyWords[I];
    if (K.size() != Word.size()) continue;
    std::size_t J = 0;
    while (J < K.size() && UpperAscii(K[J]) == UpperAscii(Word[J])) ++J;
    if (J == K.size()) return static_cast<int>(I);
  }
  return -1;
}
