#include <gtest/gtest.h>

#include "terms/ExprScanner.h"

namespace {
// Symbols of a text as "Class:Text" items, through the end symbol.
template <class TScannerClass>
std::vector<std::string> Symbols(const std::string& Text) {
  TByteStream Stream(Text);
  TScannerClass Scanner;
  Scanner.Open(Stream);
  std::vector<std::string> Out;
  for (int Guard = 0; Guard < 100; ++Guard) {
    Scanner.NextToken();
    const TSymbol& S = *Scanner.Token();
    std::string Name = typeid(S).name();
    while (!Name.empty() && Name[0] >= '0' && Name[0] <= '9') Name.erase(0, 1);  // mangled length prefix
    if (const auto* K = dynamic_cast<const TKeyWord*>(&S)) Name += std::to_string(K->Index());
    Out.push_back(Name + ":" + S.Text());
    if (S.IsExactly<TEOF>()) break;
  }
  return Out;
}

using TList = std::vector<std::string>;

// A second scanner on the same base: words separated by blanks, keywords
// "B" and "BR".
class TWordScanner : public TScanner {
 public:
  TWordScanner() : TScanner({"B", "BR"}) {}
  void NextToken() override {
    while (FCh == ' ') NextChar();
    if (FCh == EndMark) return SetToken(std::make_unique<TEOF>());
    std::string Word;
    while (FCh != EndMark && FCh != ' ') Word += FCh, NextChar();
    const int Index = FindKeyWord(Word);
    if (Index >= 0) return SetToken(std::make_unique<TKeyWord>(Word, Index));
    SetToken(std::make_unique<TString>(Word));
  }
};
}  // namespace

TEST(ExprScanner, ReadsEachKindOfSymbol) {
  EXPECT_EQ(Symbols<TExprScanner>("(a1+2,5)*x_y-3/b:c^d=Sin*cos#"),
            (TList{"TOpenBracket:(", "TIdent:a1", "TPlus:+", "TReal:2,5", "TCloseBracket:)", "TAsterisk:*",
                   "TIdent:x_y", "TMinus:-", "TReal:3", "TSlash:/", "TIdent:b", "TColon::", "TIdent:c",
                   "TPointer:^", "TIdent:d", "TEqual:=", "TKeyWord0:Sin", "TAsterisk:*", "TKeyWord1:cos", "TUnknown:#",
                   "TEOF:EOF"}));
}

TEST(ExprScanner, NumbersTakeOneSeparatorAndAnOptionalPowerOfTen) {
  EXPECT_EQ(Symbols<TExprScanner>("1,2,3"), (TList{"TReal:1,2", "TUnknown:,", "TReal:3", "TEOF:EOF"}));
  EXPECT_EQ(Symbols<TExprScanner>("1 0 , 5"), (TList{"TReal:10,5", "TEOF:EOF"}));
  EXPECT_EQ(Symbols<TExprScanner>("2,5E-3x"), (TList{"TReal:2,5E-3", "TIdent:x", "TEOF:EOF"}));
  EXPECT_EQ(Symbols<TExprScanner>("2E-x"), (TList{"TReal:2", "TIdent:E", "TMinus:-", "TIdent:x", "TEOF:EOF"}));
  EXPECT_EQ(Symbols<TExprScanner>("7e"), (TList{"TReal:7", "TIdent:e", "TEOF:EOF"}));
  // Only a capital E makes a power of ten.
  EXPECT_EQ(Symbols<TExprScanner>("2e+3"), (TList{"TReal:2", "TIdent:e", "TPlus:+", "TReal:3", "TEOF:EOF"}));
  EXPECT_EQ(Symbols<TExprScanner>("2E+3"), (TList{"TReal:2E+3", "TEOF:EOF"}));
}

TEST(ExprScanner, WordsOfLettersComeLetterByLetter) {
  EXPECT_EQ(Symbols<TExprScanner>("2ab^2"),
            (TList{"TReal:2", "TIdent:a", "TIdent:b", "TPointer:^", "TReal:2", "TEOF:EOF"}));
  EXPECT_EQ(Symbols<TExprScanner>("x y+cos"),
            (TList{"TIdent:x", "TIdent:y", "TPlus:+", "TKeyWord1:cos", "TEOF:EOF"}));
  EXPECT_EQ(Symbols<TExprScanner>("ab2 c_d"), (TList{"TIdent:ab2c_d", "TEOF:EOF"}));
}

TEST(ExprScanner, NumberThatDoesNotConvertRaisesParserError) {
  TByteStream Stream("0.5");
  TExprScanner Scanner;
  Scanner.Open(Stream);
  EXPECT_THROW(Scanner.NextToken(), EParserError);
}

TEST(ExprScanner, EndSymbolRepeatsAndUnknownBytesStayWhole) {
  TByteStream Stream("\xE4");
  TExprScanner Scanner;
  Scanner.Open(Stream);
  Scanner.NextToken();
  EXPECT_TRUE(Scanner.Token()->IsExactly<TUnknown>());
  EXPECT_EQ(Scanner.Token()->Text(), "\xE4");
  for (int I = 0; I < 3; ++I) {
    Scanner.NextToken();
    EXPECT_TRUE(Scanner.Token()->IsExactly<TEOF>());
  }
}

TEST(Scanner, SecondScannerOnTheSameBase) {
  EXPECT_EQ(Symbols<TWordScanner>("  b bR brx "),
            (TList{"TKeyWord0:b", "TKeyWord1:bR", "TString:brx", "TEOF:EOF"}));
  // Opening again rewinds; a taken symbol belongs to the caller.
  const std::string Text = "x B";
  TByteStream Stream(Text);
  TWordScanner Scanner;
  Scanner.Open(Stream);
  Scanner.NextToken();
  Scanner.NextToken();
  Scanner.Open(Stream);
  EXPECT_EQ(Scanner.Ch(), 'x');
  Scanner.NextToken();
  std::unique_ptr<TSymbol> Taken = Scanner.TakeToken();
  EXPECT_EQ(Scanner.Token(), nullptr);
  EXPECT_EQ(Taken->Text(), "x");
  EXPECT_TRUE(Taken->IsA<TString>());
  EXPECT_EQ(Scanner.FindKeyWord("br"), 1);
  EXPECT_EQ(Scanner.FindKeyWord("bx"), -1);
}
