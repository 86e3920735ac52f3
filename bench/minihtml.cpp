// Page markup: tokenizing and laying out the longest explanation text of the
// course (the braking-distance rule, four source lines).
#include <benchmark/benchmark.h>

#include <string>

#include "components/MyHtmlParser.h"

namespace {
const char* const RuleLines[] = {
    "\"Dividiere die Geschwindigkeit in km/h durch 10. Die so erhaltenene Zahl",
    "soll einmal mit sich selbst multipliziert werden und zum anderen mit 3.",
    "Du erhältst den Bremsweg in Metern, wenn du die beiden zuletzt",
    "berechneten Zahlen addierst.\"",
};

std::string RuleText() {
  std::string Text;
  for (const char* Line : RuleLines) Text += std::string(Line) + "\r\n";
  return Text;
}

// Fixed metrics, draws nowhere: what the markup itself costs.
class TCountingCanvas : public TCoreCanvas {
 public:
  TFontSpec GetFont() const override { return FFont; }
  void SetFont(const TFontSpec& Font) override { FFont = Font; }
  TSize TextExtent(const std::string& Text) override { return {static_cast<int>(Text.size()) * 7, 15}; }
  void TextOut(int, int, const std::string&) override { ++Words; }
  TColor PenColor() const override { return 0; }
  void SetPenColor(TColor) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Polyline(const std::vector<TPoint>&) override {}
  long Words = 0;

 private:
  TFontSpec FFont;
};

void BM_Tokenize(benchmark::State& State) {
  const std::string Text = RuleText();
  for (auto _ : State) benchmark::DoNotOptimize(Tokenize(Text));
}
BENCHMARK(BM_Tokenize);

void BM_LayoutFixedMetrics(benchmark::State& State) {
  const TTokens Tokens = Tokenize(RuleText());
  TCountingCanvas Canvas;
  THyperLinkList Links;
  TFontSpec Link;
  THTMLParser::THeaderFonts Headers;
  for (auto _ : State) {
    THTMLParser Parser(Tokens, Links, Link, Headers, 520, Canvas);
    Parser.Parse();
  }
  benchmark::DoNotOptimize(Canvas.Words);
}
BENCHMARK(BM_LayoutFixedMetrics);
}  // namespace

BENCHMARK_MAIN();
