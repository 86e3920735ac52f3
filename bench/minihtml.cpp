// Page markup: tokenizing and laying out the longest explanation text of the
// course (the braking-distance rule, four source lines).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <string>

#include "components/MyHtml.h"
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

// One paint of the control as the page shows it: layout and drawing of every
// word with real fonts on a picture.
void BM_PaintControl(benchmark::State& State) {
  TMiniHTML Text;
  Text.SetBounds(0, 0, 520, 90);
  Text.Font()->SetHeight(-13);
  QStringList Lines;
  for (const char* Line : RuleLines) Lines.append(QString::fromUtf8(Line));
  Text.SetLines(Lines);
  QImage Image(520, 90, QImage::Format_RGB32);
  Image.fill(Qt::white);
  TCanvas Canvas(&Image);
  for (auto _ : State) Text.DrawContent(Canvas, false, SRCCOPY, TRect{0, 0, 520, 90});
}
BENCHMARK(BM_PaintControl)->Unit(benchmark::kMicrosecond);

// A cell of the answer grid: buffered drawing combined with the brush.
void BM_PaintBuffered(benchmark::State& State) {
  TMiniHTML Text;
  Text.SetBounds(0, 0, 64, 24);
  Text.SetLines({"<b>T(x)</b>"});
  QImage Image(64, 24, QImage::Format_RGB32);
  Image.fill(Qt::white);
  TCanvas Canvas(&Image);
  Canvas.Brush().SetColor(clYellow);
  for (auto _ : State) Text.DrawContent(Canvas, true, MERGECOPY, TRect{4, 2, 63, 23});
}
BENCHMARK(BM_PaintBuffered)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
