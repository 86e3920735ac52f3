#include "components/MyHtmlPlainText.h"

#include <climits>

#include "components/MyHtmlParser.h"

namespace {

// Takes the drawn words in drawing order. Every character is one pixel
// wide and the line is endless, so lines break only where the text says.
class TWordCollector final : public TCoreCanvas {
 public:
  struct TWord {
    int X, Y;
    std::string Text;
  };
  std::vector<TWord> Words;

  TFontSpec GetFont() const override { return FFont; }
  void SetFont(const TFontSpec& Font) override { FFont = Font; }
  TSize TextExtent(const std::string& Text) override { return {static_cast<int>(Text.size()), 1}; }
  void TextOut(int X, int Y, const std::string& Text) override { Words.push_back({X, Y, Text}); }
  TColor PenColor() const override { return FPen; }
  void SetPenColor(TColor Color) override { FPen = Color; }
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Polyline(const std::vector<TPoint>&) override {}

 private:
  TFontSpec FFont;
  TColor FPen = 0;
};

// Appends Word, with white space of any kind and length as one blank.
void AppendSquashed(std::string& Text, const std::string& Word) {
  for (const char C : Word) {
    const bool Blank = C == ' ' || (C >= 7 && C <= 13);
    if (!Blank)
      Text += C;
    else if (!Text.empty() && Text.back() != ' ')
      Text += ' ';
  }
}

std::string Trimmed(std::string Text) {
  while (!Text.empty() && Text.back() == ' ') Text.pop_back();
  return Text;
}

}  // namespace

TPlainText PlainText(const TTokens& Tokens) {
  TWordCollector Canvas;
  THyperLinkList Links;
  const TFontSpec Font;
  const THTMLParser::THeaderFonts Headers{};
  THTMLParser Parser(Tokens, Links, Font, Headers, INT_MAX / 2, Canvas);
  Parser.Parse();

  TPlainText Result;
  int LineY = Canvas.Words.empty() ? 0 : Canvas.Words.front().Y;
  for (const auto& Word : Canvas.Words) {
    // A new line is a blank between its words and the ones before.
    if (Word.Y != LineY && !Result.Text.empty()) AppendSquashed(Result.Text, " ");
    LineY = Word.Y;
    AppendSquashed(Result.Text, Word.Text);
  }
  Result.Text = Trimmed(Result.Text);
  for (const auto& Link : Links) {
    TPlainLink Plain{{}, Link->URL};
    for (const TXRect& R : Link->Bounds)
      for (const auto& Word : Canvas.Words)
        if (Word.X == R.Left && Word.Y == R.Top) AppendSquashed(Plain.Text, Word.Text);
    Plain.Text = Trimmed(Plain.Text);
    Result.Links.push_back(std::move(Plain));
  }
  return Result;
}
