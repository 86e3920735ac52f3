#include <gtest/gtest.h>

#include "components/MyHtmlScanner.h"

namespace {
// Symbols of a text as "Kind:Text" items ("Key14:br" for a tag name).
std::vector<std::string> Symbols(const std::string& Text) {
  std::vector<std::string> Out;
  for (const auto& S : Tokenize(Text)) {
    std::string Kind = S->IsExactly<TOpenTag>()    ? "Open"
                       : S->IsExactly<TCloseTag>() ? "Close"
                       : S->IsExactly<TSlash>()    ? "Slash"
                       : S->IsExactly<TEqual>()    ? "Eq"
                       : S->IsExactly<TQuote>()    ? "Quote"
                       : S->IsExactly<TString>()   ? "Str"
                       : S->IsExactly<TEOF>()      ? "EOF"
                       : S->IsExactly<TKeyWord>()  ? "Key" + std::to_string(static_cast<const TKeyWord&>(*S).Index())
                                                   : "?";
    Out.push_back(Kind + ":" + S->Text());
  }
  return Out;
}
using TList = std::vector<std::string>;
}  // namespace

TEST(HTMLScanner, TagNameTableHasItsFixedPositions) {
  EXPECT_EQ(TagNames.size(), 94u);
  EXPECT_EQ(TagIndex("!-"), 0);
  EXPECT_EQ(TagIndex("A"), 2);
  EXPECT_EQ(TagIndex("BR"), 14);
  EXPECT_EQ(TagIndex("FONT"), 30);
  EXPECT_EQ(TagIndex("H1"), 34);
  EXPECT_EQ(TagIndex("SUB"), 77);
  EXPECT_EQ(TagIndex("U"), 89);
  EXPECT_EQ(TagIndex("XMP"), 93);
}

TEST(HTMLScanner, CutsTextIntoSymbols) {
  const struct {
    std::string Text;
    TList Expected;
  } Cases[] = {
      {"", {"EOF:EOF"}},
      {"\r\n", {"Str: ", "EOF:EOF"}},
      {"<b>fett</B>", {"Open:<", "Key6:b", "Close:>", "Str:fett", "Open:<", "Slash:/", "Key6:B", "Close:>", "EOF:EOF"}},
      {"<A HREF=\"x y\">",
       {"Open:<", "Key2:A", "Str: ", "Str:HREF", "Eq:=", "Quote:\"", "Str:x", "Str: ", "Str:y", "Quote:\"", "Close:>",
        "EOF:EOF"}},
      // A slash belongs to a word once the word has started.
      {"a/b /c", {"Str:a/b", "Str: ", "Slash:/", "Str:c", "EOF:EOF"}},
      // Runs of white space (codes 7..13 and 32) become one blank.
      {"x \t\r\n\a\v\fy", {"Str:x", "Str: ", "Str:y", "EOF:EOF"}},
      // Tag names are symbols of their own wherever they stand.
      {"a>b\"c", {"Key2:a", "Close:>", "Key6:b", "Quote:\"", "Str:c", "EOF:EOF"}},
      // Other control bytes and non-ASCII bytes are word characters.
      {std::string("x\x01\x06\x0e\x1f", 5) + "y", {std::string("Str:x\x01\x06\x0e\x1fy", 10), "EOF:EOF"}},
      {"Größe=3", {"Str:Größe", "Eq:=", "Str:3", "EOF:EOF"}},
      {"<!-- x -->", {"Open:<", "Str:!--", "Str: ", "Str:x", "Str: ", "Str:--", "Close:>", "EOF:EOF"}},
      {"<!-x>", {"Open:<", "Str:!-x", "Close:>", "EOF:EOF"}},
      {"<!- x>", {"Open:<", "Key0:!-", "Str: ", "Str:x", "Close:>", "EOF:EOF"}},
      {"<sub>2</Sup>", {"Open:<", "Key77:sub", "Close:>", "Str:2", "Open:<", "Slash:/", "Key78:Sup", "Close:>", "EOF:EOF"}},
      // The end mark ends the text.
      {std::string("ab\x1a" "cd"), {"Str:ab", "EOF:EOF"}},
  };
  for (const auto& C : Cases) EXPECT_EQ(Symbols(C.Text), C.Expected) << C.Text;
}
