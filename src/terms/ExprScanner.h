#pragma once
// The scanner of typed terms and the error of the term parser.
#include <array>
#include <stdexcept>
#include <string>

#include "terms/Scanner.h"

// Raised while a term text is read; ParseTerm turns it into the "?" term, so
// it never leaves the parser.
class EParserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads numbers ("12", "0,5", "1,5E-7"), words, the operator characters
// ( ) * + - / : = ^ and single unknown characters. Spaces and control
// characters are invisible: "1 2" is the number 12 and "a b" the word ab.
// The keyword list is "SIN", "COS".
//
// A word made only of letters that is no keyword is handed out letter by
// letter, one TIdent per letter ("ab" gives "a", then "b"), since every
// letter is a variable of its own. A word with a digit or "_" ("x2", "a_b")
// stays one TIdent. A power of ten is read only with a capital "E" right
// after the digits ("1E20", "1,5E-7"), the form in which the program writes
// numbers; "2e+3" is 2, then the letter e.
class TExprScanner : public TScanner {
 public:
  TExprScanner();
  void NextChar() override;
  // Raises EParserError for a number that the decimal separator in use
  // cannot convert ("0.5" while the separator is a comma).
  void NextToken() override;

 private:
  std::unique_ptr<TSymbol> ReadNumber();
  std::unique_ptr<TSymbol> ReadWord();
  std::unique_ptr<TSymbol> NextLetter();
  template <class T>
  void LendFixed(int Slot);

  // Symbols whose text never varies (operators, brackets, the end) are made
  // once per scanner: each is lent to Token() and taken back when the next
  // symbol is read, unless the caller took it over.
  static constexpr int FixedCount = 10;
  std::array<std::unique_ptr<TSymbol>, FixedCount> FFixed;
  int FLent = -1;
  // The letters of the current word not yet handed out.
  std::string FLetters;
  std::size_t FNextLetter = 0;
};
