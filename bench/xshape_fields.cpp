// Colour fields: the cell arithmetic alone and a whole page-sized field
// drawn cell by cell onto a picture.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "common/Colors.h"
#include "components/XShapes.h"
#include "components/XShapeFields.h"
#include "platform/Canvas.h"

namespace {
void CellArithmetic(benchmark::State& State) {
  TColorFieldSpec S;
  S.Kind = TShapeForm::stFloatColorS3;
  S.Width = 800;
  S.Height = 576;
  S.ScaleX = S.ScaleY = static_cast<long double>(State.range(0));
  S.Brush = clYellow;
  S.Color2 = clBlue;
  for (auto _ : State) {
    long Sum = 0;
    ForEachColorCell(S, 0, 0, [&Sum](const TRect& R, TColor C) { Sum += R.Left + C; });
    benchmark::DoNotOptimize(Sum);
  }
}
BENCHMARK(CellArithmetic)->Arg(2)->Arg(4)->Arg(8);

void DrawField(benchmark::State& State) {
  TXShape Shape;
  Shape.resize(800, 576);
  Shape.SetShape(TShapeForm::stFloatColorR);
  Shape.SetScaleX(static_cast<double>(State.range(0)));
  Shape.SetScaleY(static_cast<double>(State.range(0)));
  QImage Image(800, 576, QImage::Format_RGB32);
  for (auto _ : State) {
    TCanvas C(&Image);
    Shape.DrawAt(0, 0, C);
    C.EndPaint();
  }
}
BENCHMARK(DrawField)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
