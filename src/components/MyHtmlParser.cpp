#include "components/MyHtmlParser.h"

#include <string>

namespace {
int HexDigit(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  return 0;
}

bool EqualsUpper(const std::string& Text, std::string_view Upper) {
  if (Text.size() != Upper.size()) return false;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    char C = Text[I];
    if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
    if (C != Upper[I]) return false;
  }
  return true;
}

constexpr int TagComment = TagIndex("!-");
constexpr int TagA = TagIndex("A");
constexpr int TagB = TagIndex("B");
constexpr int TagI = TagIndex("I");
constexpr int TagU = TagIndex("U");
constexpr int TagBR = TagIndex("BR");
constexpr int TagCenter = TagIndex("CENTER");
constexpr int TagFont = TagIndex("FONT");
constexpr int TagH1 = TagIndex("H1");
constexpr int TagH6 = TagIndex("H6");
constexpr int TagSub = TagIndex("SUB");
constexpr int TagSup = TagIndex("SUP");
static_assert(TagH6 - TagH1 == 5 && TagComment == 0 && TagFont > 0 && TagSup > 0);
}  // namespace

TColor ParseHexColor(std::string_view Text) {
  if (Text.size() < 6) return 0;
  const int R = HexDigit(Text[0]) * 16 + HexDigit(Text[1]);
  const int G = HexDigit(Text[2]) * 16 + HexDigit(Text[3]);
  const int B = HexDigit(Text[4]) * 16 + HexDigit(Text[5]);
  return R + 256 * G + 65536 * B;
}

THTMLParser::THTMLParser(const TTokens& Tokens, THyperLinkList& Links, const TFontSpec& LinkFont,
                         const THeaderFonts& Headers, int Width, TCoreCanvas& Canvas)
    : FWordView(Width),
      FCanvas(Canvas),
      FLinks(Links),
      FTokens(Tokens),
      FPrevious(&FEOF),
      FCurrent(&FEOF),
      FBaseFont(Canvas.GetFont()),
      FLinkFont(LinkFont),
      FHeaders(Headers) {
  FLinks.clear();
}

void THTMLParser::NextToken() {
  FPrevious = FCurrent;
  if (FState != psFinished && FTokenIndex < static_cast<long long>(FTokens.size()) - 1) {
    ++FTokenIndex;
    FCurrent = FTokens[static_cast<std::size_t>(FTokenIndex)].get();
  } else {
    FCurrent = &FEOF;
  }
}

bool THTMLParser::CurrentIsAttribute(std::string_view UpperName) const {
  return FCurrent->IsExactly<TString>() && EqualsUpper(FCurrent->Text(), UpperName);
}

void THTMLParser::Parse() {
  FState = psText;
  NextToken();
  while (FState != psFinished) Step();
  // The end: whatever is pending is drawn.
  if (FWordView.HasPending()) FWordView.CompleteLine(FCanvas);
}

void THTMLParser::Step() {
  if (FCurrent->IsExactly<TEOF>()) {
    FState = psFinished;
    return;
  }
  switch (FState) {
    case psText: TextAction(); break;
    case psTagName: TagNameAction(); break;
    case psEndTagName: EndTagNameAction(); break;
    case psSkipToTagEnd: SkipToTagEnd(psText); break;
    case psAnchorAttributes: AnchorAttributesAction(); break;
    case psLinkText: LinkTextAction(); break;
    case psFontAttributes: FontAttributesAction(); break;
    case psFinished: break;
  }
}

void THTMLParser::TextAction() {
  // Anything but "<" is text here, also a stray ">", "=", "/" or quote.
  if (FCurrent->IsExactly<TOpenTag>())
    FState = psTagName;
  else
    FWordView.AddWord(FCanvas, FCurrent->Text(), FSubSupFactor);
  NextToken();
}

void THTMLParser::SetStyle(TFontStyles Style, bool On) {
  TFontSpec Font = FCanvas.GetFont();
  Font.Style = On ? (Font.Style | Style) : (Font.Style & ~Style);
  FCanvas.SetFont(Font);
}

void THTMLParser::TagNameAction() {
  const auto* Key = FCurrent->IsExactly<TKeyWord>() ? static_cast<const TKeyWord*>(FCurrent) : nullptr;
  if (Key) {
    const int Tag = Key->Index();
    FState = psSkipToTagEnd;
    if (Tag == TagComment) {
      // a comment up to the next ">"
    } else if (Tag == TagA) {
      FState = psAnchorAttributes;
    } else if (Tag == TagB) {
      SetStyle(fsBold, true);
    } else if (Tag == TagI) {
      SetStyle(fsItalic, true);
    } else if (Tag == TagU) {
      SetStyle(fsUnderline, true);
    } else if (Tag == TagBR) {
      FWordView.CompleteLine(FCanvas);
    } else if (Tag == TagCenter) {
      FWordView.SetCentered(true);
    } else if (Tag == TagFont) {
      FState = psFontAttributes;
    } else if (Tag >= TagH1 && Tag <= TagH6) {
      FCanvas.SetFont(FHeaders[static_cast<std::size_t>(Tag - TagH1)]);
    } else if (Tag == TagSub || Tag == TagSup) {
      TFontSpec Font = FCanvas.GetFont();
      FSavedHeight = Font.Height;
      Font.Height = Font.Height / 2 - 1;
      FCanvas.SetFont(Font);
      if (Tag == TagSub) FSubSupFactor = 0.6L;
    } else {
      // Unsupported: the name is dropped and the rest of the tag shows.
      FState = psText;
    }
  } else if (FCurrent->IsExactly<TSlash>()) {
    FState = psEndTagName;
  } else {
    FState = psText;
  }
  NextToken();
}

void THTMLParser::EndTagNameAction() {
  // End tags neither nest nor match their start tags.
  if (FCurrent->IsExactly<TKeyWord>()) {
    const int Tag = static_cast<const TKeyWord*>(FCurrent)->Index();
    if (Tag == TagA) {
      FCanvas.SetFont(FBaseFont);
    } else if (Tag == TagB) {
      SetStyle(fsBold, false);
    } else if (Tag == TagI) {
      SetStyle(fsItalic, false);
    } else if (Tag == TagU) {
      SetStyle(fsUnderline, false);
    } else if (Tag == TagCenter) {
      FWordView.SetCentered(false);
    } else if (Tag >= TagH1 && Tag <= TagH6) {
      FCanvas.SetFont(FBaseFont);
      FWordView.CompleteLine(FCanvas);
    } else if (Tag == TagSub || Tag == TagSup) {
      FSubSupFactor = 0;
      TFontSpec Font = FCanvas.GetFont();
      Font.Height = FSavedHeight;
      FCanvas.SetFont(Font);
    }
  }
  FState = psSkipToTagEnd;
  NextToken();
}

void THTMLParser::SkipToTagEnd(THTMLParserState After) {
  while (!FCurrent->IsExactly<TCloseTag>() && !FCurrent->IsExactly<TEOF>()) NextToken();
  if (FCurrent->IsExactly<TEOF>()) {
    FState = psFinished;
    return;
  }
  FState = After;
  NextToken();
}

void THTMLParser::AnchorAttributesAction() {
  FCanvas.SetFont(FLinkFont);
  for (;;) {
    if (FCurrent->IsExactly<TEOF>()) {
      FState = psFinished;
      return;
    }
    if (FCurrent->IsExactly<TCloseTag>()) {
      // No HREF: no link, but the words still show in the link font.
      FState = psText;
      NextToken();
      return;
    }
    if (CurrentIsAttribute("HREF")) break;
    NextToken();
  }
  // Over the "=" onto the value: blanks around the "=" are not expected.
  NextToken();
  NextToken();
  auto Link = std::make_unique<THyperLink>();
  if (FCurrent->IsExactly<TQuote>()) {
    NextToken();
    while (!FCurrent->IsExactly<TQuote>() && !FCurrent->IsExactly<TCloseTag>() && !FCurrent->IsExactly<TEOF>()) {
      Link->URL += FCurrent->Text();
      NextToken();
    }
  } else {
    Link->URL = FCurrent->Text();
  }
  FLinks.push_back(std::move(Link));
  SkipToTagEnd(psLinkText);
}

void THTMLParser::LinkTextAction() {
  // The link ends at the first tag of any kind.
  TBoundsList& Bounds = FLinks.back()->Bounds;
  while (!FCurrent->IsExactly<TOpenTag>() && !FCurrent->IsExactly<TEOF>()) {
    FWordView.AddWord(FCanvas, FCurrent->Text(), 0, &Bounds);
    NextToken();
  }
  FState = psText;
}

void THTMLParser::FontAttributesAction() {
  while (!FCurrent->IsExactly<TCloseTag>() && !FCurrent->IsExactly<TEOF>()) {
    if (CurrentIsAttribute("COLOR")) {
      NextToken();
      NextToken();
      // A quoted value arrives as a TQuote and leaves the colour alone.
      if (FCurrent->IsExactly<TString>()) {
        TFontSpec Font = FCanvas.GetFont();
        Font.Color = ParseHexColor(FCurrent->Text());
        FCanvas.SetFont(Font);
      }
    }
    NextToken();
  }
  if (FCurrent->IsExactly<TEOF>()) {
    FState = psFinished;
    return;
  }
  FState = psText;
  NextToken();
}
