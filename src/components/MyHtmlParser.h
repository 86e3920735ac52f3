#pragma once
// The walk over the symbols of a page text that keeps the font state, lays
// the words out, draws them and collects the hyperlinks, all in one pass.
// Pure C++: it draws through TCoreCanvas.
#include <array>
#include <memory>
#include <string_view>

#include "common/CoreCanvas.h"
#include "components/MyHtmlScanner.h"
#include "components/MyHtmlWordView.h"

enum THTMLParserState {
  psText,              // running text
  psTagName,           // after "<": a tag name or "/"
  psEndTagName,        // after "</": a tag name
  psSkipToTagEnd,      // up to the ">" that ends the tag
  psAnchorAttributes,  // inside an A tag, looking for HREF
  psLinkText,          // the words of a hyperlink
  psFontAttributes,    // inside a FONT tag, looking for COLOR
  psFinished           // the end symbol was reached
};

// Six hex digits as red, green, blue pairs; shorter texts give black, other
// characters count as 0 and anything after the sixth is ignored.
TColor ParseHexColor(std::string_view Text);

// Lives for one drawing: create, Parse, destroy. Tokens, links, fonts and
// canvas are borrowed; creating the parser empties Links, and the drawing
// refills them with the rectangles of the link words.
class THTMLParser {
 public:
  using THeaderFonts = std::array<TFontSpec, 6>;

  THTMLParser(const TTokens& Tokens, THyperLinkList& Links, const TFontSpec& LinkFont, const THeaderFonts& Headers,
              int Width, TCoreCanvas& Canvas);
  THTMLParser(const THTMLParser&) = delete;
  THTMLParser& operator=(const THTMLParser&) = delete;

  void Parse();

  THTMLParserState State() const { return FState; }
  const TWordView& WordView() const { return FWordView; }

 private:
  void NextToken();
  bool CurrentIsAttribute(std::string_view UpperName) const;
  void Step();
  void TextAction();
  void TagNameAction();
  void EndTagNameAction();
  void SkipToTagEnd(THTMLParserState After);
  void AnchorAttributesAction();
  void LinkTextAction();
  void FontAttributesAction();
  void SetStyle(TFontStyles Style, bool On);

  TWordView FWordView;
  TCoreCanvas& FCanvas;
  THTMLParserState FState = psText;
  int FSavedHeight = 0;
  long double FSubSupFactor = 0;
  TEOF FEOF;
  long long FTokenIndex = -1;
  THyperLinkList& FLinks;
  const TTokens& FTokens;
  const TSymbol* FPrevious;
  const TSymbol* FCurrent;
  TFontSpec FBaseFont;
  const TFontSpec& FLinkFont;
  const THeaderFonts& FHeaders;
};
