// The term game pages on the offscreen platform: creating one page form
// from its designs (the game frame, then the page's own), with and without
// the first paint, and switching between two game pages in the main window
// (posted request, page created, prepared and shown, the old one freed).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWidget>
#include <memory>

#include "common/Random.h"
#include "CourseBench.h"
#include "pages/PageClasses.h"
#include "pages/binomische/BIU0.h"
#include "pages/binomische/BIU1.h"
#include "pages/faktorisieren/FAU0.h"
#include "pages/faktorisieren/FAU1.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/MMX.h"
#include "shell/Main.h"
#include "shell/MessageProcs.h"

namespace {

std::unique_ptr<TfmGameFrame> NewPage(int Index) {
  switch (Index) {
    case 0:
      return CreateForm<TfmBIU0>();
    case 1:
      return CreateForm<TfmBIU1>();
    case 2:
      return CreateForm<TfmFAU0>();
    default:
      return CreateForm<TfmFAU1>();
  }
}

// Arg: 0 TfmBIU0, 1 TfmBIU1, 2 TfmFAU0, 3 TfmFAU1.
void BM_CreateGamePage(benchmark::State& State) {
  RandomSeed(1);
  for (auto _ : State) {
    std::unique_ptr<TfmGameFrame> Page = NewPage(static_cast<int>(State.range(0)));
    benchmark::DoNotOptimize(Page.get());
  }
}
BENCHMARK(BM_CreateGamePage)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// A page created, sized like the page host and painted once.
void BM_CreateAndPaintGamePage(benchmark::State& State) {
  RandomSeed(1);
  for (auto _ : State) {
    std::unique_ptr<TfmGameFrame> Page = NewPage(static_cast<int>(State.range(0)));
    Page->resize(796, 482);
    benchmark::DoNotOptimize(Page->grab());
  }
}
BENCHMARK(BM_CreateAndPaintGamePage)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Back and forth between two game pages: Arg 0 860 <-> 870, Arg 1
// 950 <-> 960; Arg 2 and 3 the same with the main window painted after
// each switch.
void BM_GamePageSwitch(benchmark::State& State) {
  TfmMain Main;
  Main.show();
  RunPosted();
  const bool Factoring = State.range(0) % 2 == 1;
  const bool Paint = State.range(0) >= 2;
  const int A = Factoring ? 950 : 860;
  const int B = Factoring ? 960 : 870;
  for (auto _ : State) {
    for (const int Page : {A, B}) {
      Main.MMX().PostGotoPage(Page, true);
      RunPosted();
      if (Paint) benchmark::DoNotOptimize(Main.grab());
    }
  }
  if (Main.MMX().CurrentPage() != B) State.SkipWithError("navigation failed");
  State.SetItemsProcessed(2 * State.iterations());
}
BENCHMARK(BM_GamePageSwitch)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunProgramBenchmarks(argc, argv); }
