// Page markup on any bytes: tokenizing, parsing and line building must end
// without a crash on anything, including huge words and deep tag soup.
#include <cstddef>
#include <cstdint>
#include <string>

#include "components/MyHtmlParser.h"
#include "components/MyHtmlPlainText.h"

namespace {
// Fixed metrics; keeps only a checksum of what is drawn.
class TNullCanvas : public TCoreCanvas {
 public:
  TFontSpec GetFont() const override { return FFont; }
  void SetFont(const TFontSpec& Font) override { FFont = Font; }
  TSize TextExtent(const std::string& Text) override {
    const int H = FFont.Height == 0 ? 16 : (FFont.Height < 0 ? -FFont.Height : FFont.Height);
    return {static_cast<int>(Text.size()) * (H / 2 + 1), H};
  }
  void TextOut(int X, int Y, const std::string& Text) override { Sum += X + Y + Text.size(); }
  TColor PenColor() const override { return 0; }
  void SetPenColor(TColor) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Polyline(const std::vector<TPoint>&) override {}
  unsigned long long Sum = 0;

 private:
  TFontSpec FFont;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string Text(reinterpret_cast<const char*>(Data), Size);
  const TTokens Tokens = Tokenize(Text);
  if (Tokens.empty() || !Tokens.back()->IsExactly<TEOF>()) __builtin_trap();
  TNullCanvas Canvas;
  THyperLinkList Links;
  TFontSpec Link;
  Link.Style = fsUnderline;
  THTMLParser::THeaderFonts Headers;
  Headers[0].Height = 24;
  // The width comes from the first byte, so narrow and wide controls are tried.
  const int Width = Size > 0 ? Data[0] * 4 : 200;
  THTMLParser Parser(Tokens, Links, Link, Headers, Width, Canvas);
  Parser.Parse();
  if (Parser.State() != psFinished || Parser.WordView().HasPending()) __builtin_trap();
  // What a screen reader reads: single blanks between words, none at the ends.
  const TPlainText Plain = PlainText(Tokens);
  const std::string& Read = Plain.Text;
  if (!Read.empty() && (Read.front() == ' ' || Read.back() == ' ')) __builtin_trap();
  if (Read.find("  ") != std::string::npos) __builtin_trap();
  return 0;
}
