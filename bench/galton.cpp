// The Galton board of page 857: the ball's step alone (pure core), and one
// tick of the page's timer on the offscreen platform: the step, the ball
// moved in the scene and the scene box repainted, as the pupil sees it
// every 55 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "common/Random.h"
#include "pages/PageClasses.h"
#include "pages/binomische/BIPascal.h"
#include "pages/binomische/GaltonBoard.h"
#include "platform/Application.h"
#include "scene/MMBox.h"

namespace {

void BM_GaltonStep(benchmark::State& State) {
  RandomSeed(1);
  TGaltonBoard Board;
  Board.Start();
  for (auto _ : State) benchmark::DoNotOptimize(Board.Step());
  State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_GaltonStep);

// Arg 0: the tick without painting; Arg 1: with the scene box painted.
void BM_PascalTick(benchmark::State& State) {
  RandomSeed(1);
  auto Page = CreateForm<TfmBIPascal>();
  Page->resize(736, 482);
  Page->PCVGlassButton1Click(nullptr);  // starts the board
  auto* Box = Page->Component<TMMBox>(QStringLiteral("MMBox1"));
  const bool Paint = State.range(0) == 1;
  for (auto _ : State) {
    Page->Timer1Timer(nullptr);
    if (Paint) benchmark::DoNotOptimize(Box->grab());
  }
  State.counters["balls"] = static_cast<double>(Page->Board().Landed());
}
BENCHMARK(BM_PascalTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication App(argc, argv);
  RegisterProgramClasses();
  ::benchmark::Initialize(&argc, argv);
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}
