// Costs of the term calculator page on the offscreen platform: the page made
// from its design (64 term cells), the start button (a level's board shown)
// and one move (a step, the cells, labels and grid brought up to date).
#include <benchmark/benchmark.h>

#include "pages/PageClasses.h"
#include "pages/aufgaben/TAVavorever.h"
#include "platform/Application.h"
#include "shell/MessageProcs.h"
#include "terms/MMTerm.h"

namespace {

void BM_CreatePage(benchmark::State& State) {
  for (auto _ : State) {
    auto Page = CreateForm<TfmTAVavorever>();
    benchmark::DoNotOptimize(Page.get());
  }
}
BENCHMARK(BM_CreatePage)->Unit(benchmark::kMillisecond);

void BM_StartLevel(benchmark::State& State) {
  auto Page = CreateForm<TfmTAVavorever>();
  for (auto _ : State) {
    Page->PCVGlassButton1Click(nullptr);
    benchmark::DoNotOptimize(Page->Game().Points());
  }
}
BENCHMARK(BM_StartLevel)->Unit(benchmark::kMicrosecond);

// Back and forth between the start cell (x+a) and its upper neighbour (x-b)
// of level 2, every parameter 1, so the level is never won.
void BM_Move(benchmark::State& State) {
  auto Page = CreateForm<TfmTAVavorever>();
  Page->SetParameterSource([](int) { return 1.0L; });
  Page->PCVGlassButton1Click(nullptr);
  bool Up = true;
  for (auto _ : State) {
    Page->MMTerm1Click(Up ? Page->BoardCell(6, 7) : Page->BoardCell(7, 7));
    Up = !Up;
  }
  if (Page->Game().Level() != 2) State.SkipWithError("level changed");
}
BENCHMARK(BM_Move)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication App(argc, argv);
  RegisterProgramClasses();
  // A won level would open the message window.
  SetMessageWindowPresenter([](const QString&, const QString&, const QString&) {});
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
