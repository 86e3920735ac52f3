// Reading and writing design text of about the size of a large page: 200
// components with a dozen values each and one 64 KiB picture.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/FormText.h"

namespace {

std::string PageDesign() {
  std::string Text = "object fmBench: TfmBench\n  ClientWidth = 736\n  ClientHeight = 482\n";
  for (int I = 0; I < 200; ++I) {
    std::string N = std::to_string(I);
    Text += "  object Label" + N + ": TLabel\n    Left = " + N + "\n    Top = " + N +
            "\n    Caption = 'Zeile " + N + " mit '#228'u'#223'erst viel Text' +\n      ' und mehr'\n"
            "    Font.Style = [fsBold]\n    Font.Height = -13\n    Color = clSilver\n    Ratio = 0.25\n"
            "    Items.Strings = (\n      'a'\n      '+b')\n    OnClick = Label1Click\n  end\n";
  }
  Text += "  object Picture1: TImage\n    Picture.Data = {\n";
  for (int Line = 0; Line < 2048; ++Line) Text += "      " + std::string(64, 'A') + "\n";
  Text += "    }\n  end\nend\n";
  return Text;
}

void BM_ParseDesign(benchmark::State& State) {
  const std::string Text = PageDesign();
  for (auto _ : State) {
    TFormParseResult R = ParseFormText(Text);
    benchmark::DoNotOptimize(R.Ok);
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(Text.size()));
}
BENCHMARK(BM_ParseDesign);

void BM_FormatDesign(benchmark::State& State) {
  const TFormParseResult R = ParseFormText(PageDesign());
  for (auto _ : State) {
    std::string Out = FormatFormText(R.Root);
    benchmark::DoNotOptimize(Out.data());
  }
}
BENCHMARK(BM_FormatDesign);

}  // namespace

BENCHMARK_MAIN();
