// Canvas drawing costs: figures, thin lines, text and block transfers with
// raster operations on an off-screen bitmap.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

namespace {

void BM_Ellipse(benchmark::State& State) {
  TBitmap B(400, 300);
  B.Canvas().Brush().SetColor(clYellow);
  for (auto _ : State) B.Canvas().Ellipse(10, 10, 390, 290);
}
BENCHMARK(BM_Ellipse);

void BM_DiagonalLine(benchmark::State& State) {
  TBitmap B(400, 300);
  for (auto _ : State) {
    B.Canvas().MoveTo(0, 0);
    B.Canvas().LineTo(399, 299);
  }
}
BENCHMARK(BM_DiagonalLine);

void BM_TextOut(benchmark::State& State) {
  TBitmap B(400, 50);
  B.Canvas().Font().SetHeight(-13);
  B.Canvas().SetBkMode(bkTransparent);
  for (auto _ : State) B.Canvas().TextOut(2, 2, QStringLiteral("(a+b)² = a² + 2ab + b²"));
}
BENCHMARK(BM_TextOut);

void BM_BitBlt(benchmark::State& State) {
  const auto Rop = static_cast<TCopyMode>(State.range(0));
  TBitmap Source(256, 256), Dest(256, 256);
  Source.Canvas().Brush().SetColor(clTeal);
  Source.Canvas().Ellipse(0, 0, 256, 256);
  for (auto _ : State) BitBlt(Dest.Canvas(), 0, 0, 256, 256, Source.Canvas(), 0, 0, Rop);
  State.SetItemsProcessed(State.iterations() * 256 * 256);
}
BENCHMARK(BM_BitBlt)->Arg(SRCCOPY)->Arg(SRCAND)->Arg(MERGECOPY)->Arg(PATPAINT)->Arg(0x00E20746);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication App(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
