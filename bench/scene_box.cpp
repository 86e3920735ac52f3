// Scene box costs: a full repaint of a board of 21 nails and a ball (what
// the Galton board page redraws at every timer tick), a paint from the
// unchanged buffer, and one drag step of a hotspot.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "scene/MMBox.h"

namespace {

// Six rows of nails, row k with k nails, and the ball above them.
void BuildBoard(TMMBox& Box) {
  Box.SetBounds(0, 0, 320, 260);
  for (int K = 1; K <= 6; ++K)
    for (int J = 0; J < K; ++J) {
      TMMPointItem* P = Box.MMPoints()->Add();
      P->SetX(160 - 20 * (K - 1) + 40 * J);
      P->SetY(50 + 30 * (K - 1));
      TMMObject* O = Box.MMObjects()->Add();
      O->SetShape(stCircle1);
      auto* Nail = qobject_cast<TSCircle1*>(O->ShapeData());
      Nail->SetPoint(P->ID());
      Nail->SetRadius(4);
      Nail->Brush()->SetColor(clSilver);
    }
  TMMPointItem* Ball = Box.MMPoints()->Add();
  Ball->SetX(160);
  Ball->SetY(15);
  TMMObject* O = Box.MMObjects()->Add();
  O->SetShape(stHotspot);
  qobject_cast<TSHotspot*>(O->ShapeData())->SetPoint(Ball->ID());
}

void BM_RepaintBoard(benchmark::State& State) {
  TMMBox Box;
  BuildBoard(Box);
  QImage Screen(320, 260, QImage::Format_RGB32);
  for (auto _ : State) {
    Box.Invalidate();
    Box.render(&Screen);
  }
}
BENCHMARK(BM_RepaintBoard);

void BM_PaintFromBuffer(benchmark::State& State) {
  TMMBox Box;
  BuildBoard(Box);
  QImage Screen(320, 260, QImage::Format_RGB32);
  for (auto _ : State) Box.render(&Screen);
}
BENCHMARK(BM_PaintFromBuffer);

void BM_DragStep(benchmark::State& State) {
  TMMBox Box;
  BuildBoard(Box);
  const int Ball = Box.MMPoints()->Count() - 1;
  Box.MouseDown(Qt::LeftButton, Qt::NoModifier, 160, 15);
  int X = 100;
  for (auto _ : State) {
    X = X == 100 ? 200 : 100;
    Box.MouseMove(Qt::LeftButton, Qt::NoModifier, X, 20);
  }
  benchmark::DoNotOptimize(Box.MMPoints()->Items(Ball)->X());
}
BENCHMARK(BM_DragStep);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
