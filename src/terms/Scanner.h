#pragma once
// Character scanner base and the symbol classes that the program's scanners
// produce (typed terms, page markup). Pure C++.
//
// A symbol's class is its kind: callers test it with IsExactly<TPlus>().
//
// Writing a scanner on this base:
//
//   class TMarkScanner : public TScanner {
//    public:
//     TMarkScanner() : TScanner({"B", "BR", "I"}) {}  // keyword list, looked up ignoring case
//     void NextToken() override {
//       if (FCh == EndMark) { SetToken(std::make_unique<TEOF>()); return; }
//       std::string Word;
//       while (FCh != EndMark && FCh != ' ') { Word += FCh; NextChar(); }
//       const int Index = FindKeyWord(Word);
//       if (Index >= 0) SetToken(std::make_unique<TKeyWord>(Word, Index));
//       else SetToken(std::make_unique<TString>(Word));
//     }
//   };
//
//   TByteStream Stream(Text);   // reads Text in place: Text must outlive the stream
//   TMarkScanner Scanner;
//   Scanner.Open(Stream);       // rewinds the stream, Ch() is the first character
//   for (Scanner.NextToken(); !Scanner.Token()->IsExactly<TEOF>(); Scanner.NextToken())
//     List.push_back(Scanner.TakeToken());   // or just look at Scanner.Token()
//
// NextToken() always leaves FCh on the first character after the symbol
// (one character of look-ahead). A scanner that wants some characters to be
// invisible overrides NextChar() as well and skips them there, calling the
// base NextChar() for each byte. At the end of the stream the base delivers
// EndMark (character 26) and keeps delivering it.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

// An in-memory byte source with a position. It does not copy the text.
class TByteStream {
 public:
  explicit TByteStream(std::string_view Data) : FData(Data) {}
  std::size_t Position() const { return FPosition; }
  void SetPosition(std::size_t Position) { FPosition = Position < FData.size() ? Position : FData.size(); }
  std::size_t Size() const { return FData.size(); }
  // One byte; false at the end.
  bool Read(char& Ch) {
    if (FPosition >= FData.size()) return false;
    Ch = FData[FPosition++];
    return true;
  }

 private:
  std::string_view FData;
  std::size_t FPosition = 0;
};

class TSymbol {
 public:
  explicit TSymbol(std::string Text) : FText(std::move(Text)) {}
  virtual ~TSymbol() = default;
  TSymbol(const TSymbol&) = delete;
  TSymbol& operator=(const TSymbol&) = delete;

  // The characters the symbol was read from.
  const std::string& Text() const { return FText; }

  template <class T>
  bool IsExactly() const { return typeid(*this) == typeid(T); }
  template <class T>
  bool IsA() const { return dynamic_cast<const T*>(this) != nullptr; }

 private:
  std::string FText;
};

// End of the input.
class TEOF : public TSymbol {
 public:
  TEOF() : TSymbol("EOF") {}
};

// One character that starts no other symbol.
class TUnknown : public TSymbol {
 public:
  using TSymbol::TSymbol;
};

// A word that is not in the keyword list.
class TIdent : public TSymbol {
 public:
  using TSymbol::TSymbol;
};

// A word of the keyword list; Index is its position there.
class TKeyWord : public TSymbol {
 public:
  TKeyWord(std::string Text, int Index) : TSymbol(std::move(Text)), FIndex(Index) {}
  int Index() const { return FIndex; }

 private:
  int FIndex;
};

// A number.
class TReal : public TSymbol {
 public:
  TReal(std::string Text, long double Value) : TSymbol(std::move(Text)), FValue(Value) {}
  long double Value() const { return FValue; }

 private:
  long double FValue;
};

#define VELOTRA_FIXED_SYMBOL(Name, Chars) \
  class Name : public TSymbol {           \
   public:                                \
    Name() : TSymbol(Chars) {}            \
  };
VELOTRA_FIXED_SYMBOL(TOpenBracket, "(")
VELOTRA_FIXED_SYMBOL(TCloseBracket, ")")
VELOTRA_FIXED_SYMBOL(TAsterisk, "*")
VELOTRA_FIXED_SYMBOL(TSlash, "/")
VELOTRA_FIXED_SYMBOL(TColon, ":")
VELOTRA_FIXED_SYMBOL(TPlus, "+")
VELOTRA_FIXED_SYMBOL(TMinus, "-")
VELOTRA_FIXED_SYMBOL(TPointer, "^")
VELOTRA_FIXED_SYMBOL(TEqual, "=")
// Page markup symbols.
VELOTRA_FIXED_SYMBOL(TQuote, "\"")
VELOTRA_FIXED_SYMBOL(TOpenTag, "<")
VELOTRA_FIXED_SYMBOL(TCloseTag, ">")
#undef VELOTRA_FIXED_SYMBOL

// Page markup: a run of white space (" ") or a word that is no tag name.
class TString : public TSymbol {
 public:
  using TSymbol::TSymbol;
};

class TScanner {
 public:
  static constexpr char EndMark = 26;

  explicit TScanner(std::vector<std::string> KeyWords = {});
  virtual ~TScanner();
  TScanner(const TScanner&) = delete;
  TScanner& operator=(const TScanner&) = delete;

  // Rewinds the stream (not owned) and reads the first character.
  void Open(TByteStream& Stream);
  // The next byte of the stream into Ch(), or EndMark.
  virtual void NextChar();
  // Replaces Token() with the next symbol.
  virtual void NextToken() = 0;

  char Ch() const { return FCh; }
  // The current symbol (owned by the scanner); null before the first NextToken().
  TSymbol* Token() const { return FToken.get(); }
  // Hands the current symbol over to the caller; Token() is null afterwards.
  std::unique_ptr<TSymbol> TakeToken() { return std::move(FToken); }

  const std::vector<std::string>& KeyWords() const { return FKeyWords; }
  // Position of Word in the keyword list ignoring letter case, or -1.
  int FindKeyWord(std::string_view Word) const;

 protected:
  void SetToken(std::unique_ptr<TSymbol> Token) { FToken = std::move(Token); }
  TByteStream* Stream() const { return FStream; }

  char FCh = EndMark;

 private:
  TByteStream* FStream = nullptr;
  std::vector<std::string> FKeyWords;
  std::unique_ptr<TSymbol> FToken;
};
