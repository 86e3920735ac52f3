#pragma once
// The symbols of page markup: tags are cut into "<", name, attributes and
// ">"; everything else into words and single blanks. Pure C++.
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "terms/Scanner.h"

// The tag names the scanner knows, in a fixed order: a TKeyWord's Index is
// the position of its name here. Only some of them do something when drawn;
// the rest are recognised and then shown as unsupported.
inline constexpr std::array<std::string_view, 94> TagNames = {
    "!-",       "!DOCTYPE", "A",        "ADDRESS",  "APPLET",   "AREA",      "B",        "BASE",     "BASEFONT",
    "BGSOUND",  "BIG",      "BLINK",    "BLOCKQUOTE", "BODY",   "BR",        "CAPTION",  "CENTER",   "CITE",
    "CODE",     "COL",      "COLGROUP", "COMMENT",  "DD",       "DFN",       "DIR",      "DIV",      "DL",
    "DT",       "EM",       "EMBED",    "FONT",     "FORM",     "FRAME",     "FRAMESET", "H1",       "H2",
    "H3",       "H4",       "H5",       "H6",       "HEAD",     "HR",        "HTML",     "I",        "IFRAME",
    "IMG",      "INPUT",    "ISINDEX",  "KBD",      "LI",       "LINK",      "LISTING",  "MAP",      "MARQUEE",
    "MENU",     "META",     "MUTICOL",  "NOBR",     "NOEMBED",  "NOFRAMES",  "NOSCRIPT", "OBJECT",   "OL",
    "OPTION",   "P",        "PARAM",    "PLAINTEXT", "PRE",     "S",         "SAMP",     "SCRIPT",   "SELECT",
    "SMALL",    "SPAN",     "STRIKE",   "STRONG",   "STYLE",    "SUB",       "SUP",      "TABLE",    "TBODY",
    "TD",       "TEXTAREA", "TFOOT",    "TH",       "THEAD",    "TITLE",     "TR",       "TT",       "U",
    "UL",       "VAR",      "WBR",      "XMP"};

// Position of Name in TagNames (exact spelling), or -1.
constexpr int TagIndex(std::string_view Name) {
  for (std::size_t I = 0; I < TagNames.size(); ++I)
    if (TagNames[I] == Name) return static_cast<int>(I);
  return -1;
}

// The symbols of one text in text order, always ending with one TEOF.
using TTokens = std::vector<std::unique_ptr<TSymbol>>;

// One symbol per NextToken():
//   "<" TOpenTag, ">" TCloseTag, "=" TEqual, "/" TSlash, '"' TQuote;
//   a run of white space (codes 7..13 and 32) is one TString " ";
//   any other run of characters up to white space, '"', "<", "=" or ">" is
//   a word: a TKeyWord when it is a tag name (any letter case), else a
//   TString. A "/" inside a word belongs to the word.
// There are no entities or escapes. The end mark (character 26) ends the text.
class THTMLScanner : public TScanner {
 public:
  THTMLScanner();
  void NextToken() override;
};

// All symbols of Text up to and including the first TEOF.
TTokens Tokenize(std::string_view Text);
